#include "BirthyearFile.h"
#include "Cp1252.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BirthyearFileTest : public ::testing::Test {
protected:
    QByteArray bytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void setBytes(const QByteArray& content) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
    QString path = folder.filePath("Bhday1.FIL");
};

TEST_F(BirthyearFileTest, TheFirstAndLastYearLieAtTheirRecords) {
    ASSERT_EQ(BirthyearFile::write(path, 2025, {"Last", "Year"}), RecordFile::WriteResult::Written);
    ASSERT_EQ(BirthyearFile::write(path, 1900, {"First", "Year"}),
              RecordFile::WriteResult::Written);
    const QByteArray file = bytes();
    ASSERT_EQ(file.size(), 138600);
    EXPECT_EQ(file.mid(0, 5), "First");
    EXPECT_EQ(file.mid(5, 495), QByteArray(495, ' '));
    EXPECT_EQ(file.mid(500, 4), "Year");
    EXPECT_EQ(file.mid(1000, 100), QByteArray(100, ' ')); // the spare bytes are blanks
    EXPECT_EQ(file.mid(125 * 1100, 4), "Last");
    EXPECT_EQ(file.mid(125 * 1100 + 500, 4), "Year");
    EXPECT_EQ(file.mid(1100, 1100), QByteArray(1100, '\0')); // 1901 was never written
    EXPECT_EQ(BirthyearFile::read(path, 1901), BirthyearFile::YearTexts{});
    EXPECT_EQ(BirthyearFile::read(path, 2025), (BirthyearFile::YearTexts{"Last", "Year"}));
}

TEST_F(BirthyearFileTest, LineBreaksAreStoredAsCrLfAndOnlyTrailingBlanksAreCut) {
    const BirthyearFile::YearTexts texts{"  Two lines\nand a second one   ",
                                         "Caf\u00e9 \u2013 1950\n"};
    ASSERT_EQ(BirthyearFile::write(path, 1950, texts), RecordFile::WriteResult::Written);
    const QByteArray record = bytes().mid(50 * 1100, 1100);
    EXPECT_EQ(record.left(29), QByteArray("  Two lines\r\nand a second one"));
    EXPECT_EQ(record.mid(500, 13), Cp1252::encode("Caf\u00e9 \u2013 1950\r\n"));
    EXPECT_EQ(
        BirthyearFile::read(path, 1950),
        (BirthyearFile::YearTexts{"  Two lines\nand a second one", "Caf\u00e9 \u2013 1950\n"}));
    EXPECT_EQ(BirthyearFile::storedLength("a\nb"), 4);
}

TEST_F(BirthyearFileTest, ShortZeroedAndDamagedFilesReadEmptyAndASaveWritesOnlyItsRecord) {
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"empty", {}},
        {"zeros", QByteArray(138600, '\0')},
        {"1000 bytes", QByteArray(1000, 'x')},
    };
    for (const auto& c : cases) {
        setBytes(c.content);
        EXPECT_EQ(BirthyearFile::read(path, 1901), BirthyearFile::YearTexts{}) << c.name;
        ASSERT_EQ(BirthyearFile::write(path, 1901, {"Edited", ""}),
                  RecordFile::WriteResult::Written);
        const QByteArray file = bytes();
        EXPECT_EQ(file.left(c.content.size() < 1100 ? c.content.size() : 1100),
                  c.content.left(1100))
            << c.name;
        EXPECT_EQ(file.size(), std::max<qsizetype>(c.content.size(), 2200)) << c.name;
        EXPECT_EQ(BirthyearFile::read(path, 1901).serious, "Edited") << c.name;
    }
    // The 1000 bytes of the damaged file read as a serious text cut at 500 bytes.
    setBytes(QByteArray(1000, 'x'));
    EXPECT_EQ(BirthyearFile::read(path, 1900).serious.size(), 500);
}

TEST_F(BirthyearFileTest, NoYearOutsideTheFileIsWritten) {
    for (int year : {0, 1899, 2026}) {
        EXPECT_EQ(BirthyearFile::write(path, year, {"x", "y"}), RecordFile::WriteResult::Failed);
    }
    EXPECT_EQ(bytes().size(), 0);
}

TEST(BirthyearYearTest, OnlyAPlainFourDigitYearOfTheFileCounts) {
    const struct {
        const char* text;
        std::optional<int> year;
    } cases[] = {
        {"1900", 1900},           {" 2025 ", 2025},       {"1899", std::nullopt},
        {"2026", std::nullopt},   {"", std::nullopt},     {"1950abc", std::nullopt},
        {"1950.7", std::nullopt}, {"+950", std::nullopt}, {"01950", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BirthyearFile::parseYear(c.text), c.year) << c.text;
    }
}

} // namespace
