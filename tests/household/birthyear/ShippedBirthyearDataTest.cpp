#include "BirthyearFile.h"
#include "CostChart.h"
#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QDir kDataDir(KORVANE_SHIPPED_DATA_DIR);

QByteArray shipped(const QString& name) {
    QFile file(kDataDir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every year holds two texts of 150 to 500 bytes, blank-padded, with no control character but a
// CR LF pair, no leading or trailing blank, and characters Windows-1252 holds.
TEST(ShippedBirthyearDataTest, EveryYearHasTwoTextsOfItsOwn) {
    const QByteArray file = shipped("Bhday1.FIL");
    ASSERT_EQ(file.size(), 138600);
    for (int year = BirthyearFile::kFirstYear; year <= BirthyearFile::kLastYear; ++year) {
        const QByteArray record = file.mid((year - 1900) * 1100, 1100);
        EXPECT_EQ(record.mid(1000), QByteArray(100, ' ')) << year;
        for (int side = 0; side < 2; ++side) {
            QByteArray text = record.mid(side * 500, 500);
            while (text.endsWith(' ')) {
                text.chop(1);
            }
            const std::string where = std::to_string(year) + (side == 0 ? " serious" : " lighter");
            EXPECT_GE(text.size(), 150) << where;
            EXPECT_FALSE(text.startsWith(' ')) << where;
            for (qsizetype at = 0; at < text.size(); ++at) {
                const auto c = static_cast<unsigned char>(text[at]);
                const bool crLf = (c == '\r' && text.mid(at, 2) == "\r\n") ||
                                  (c == '\n' && at > 0 && text[at - 1] == '\r');
                EXPECT_TRUE(c >= 0x20 || crLf) << where << " byte " << at;
                // Bytes that Windows-1252 leaves undefined.
                EXPECT_FALSE(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
                    << where;
            }
            EXPECT_EQ(Cp1252::encode(Cp1252::decode(text)), text) << where;
        }
    }
}

// 105 plain numbers with at most two decimals, item after item, each within its item's range and
// each item dearer in 2000 than in 1900.
TEST(ShippedBirthyearDataTest, ThePriceFileHoldsEveryItemForEveryYear) {
    const QStringList fields = CostChart::readFields(kDataDir.filePath("Cost1.Fil"));
    ASSERT_EQ(fields.size(), 105);
    const struct {
        const char* item;
        double low;
        double high;
    } ranges[] = {{"gas", 0.05, 2},
                  {"milk", 0.2, 3.5},
                  {"bread", 0.03, 2.5},
                  {"auto", 300, 30000},
                  {"home", 2000, 200000}};
    const QRegularExpression number(R"(^\d+(\.\d{1,2})?$)");
    for (int item = 0; item < 5; ++item) {
        for (int year = 0; year < 21; ++year) {
            const QString field = fields[item * 21 + year];
            EXPECT_TRUE(number.match(field).hasMatch()) << ranges[item].item << " " << year;
            EXPECT_GE(field.toDouble(), ranges[item].low) << ranges[item].item << " " << year;
            EXPECT_LE(field.toDouble(), ranges[item].high) << ranges[item].item << " " << year;
        }
        EXPECT_GT(fields[item * 21 + 20].toDouble(), fields[item * 21].toDouble())
            << ranges[item].item;
    }
    // Nothing follows the 105th field.
    EXPECT_TRUE(shipped("Cost1.Fil").trimmed().endsWith(fields.last().toLatin1()));
}

} // namespace
