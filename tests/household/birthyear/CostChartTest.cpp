#include "CostChart.h"
#include "DefaultLocale.h"
#include "YearCopyText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& folder, const QByteArray& content) {
    const QString path = folder.filePath("Cost1.Fil");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

TEST(CostChartTest, FieldsFallItemAfterItemAndOnlyThe105WithACellAreRead) {
    QTemporaryDir folder;
    QByteArray content;
    for (int n = 1; n <= 120; ++n) {
        content += QByteArray::number(n) + (n % 7 == 0 ? "\r\n" : ",");
    }
    const QStringList fields = CostChart::readFields(writeFile(folder, content));
    ASSERT_EQ(fields.size(), 105);
    EXPECT_EQ(fields[21], "22");
    EXPECT_EQ(CostChart::rowOfField(21), 1); // the milk column, 1900
    EXPECT_EQ(CostChart::colOfField(21), 2);
    EXPECT_EQ(CostChart::rowOfField(104), 21); // the home column, 2000
    EXPECT_EQ(CostChart::colOfField(104), 5);
    EXPECT_EQ(CostChart::yearLabel(21), "2000");
    EXPECT_EQ(CostChart::yearLabel(5), "1920");
}

TEST(CostChartTest, AQuotedCommaStaysInItsFieldAndAMissingFileGivesNone) {
    QTemporaryDir folder;
    const QStringList fields =
        CostChart::readFields(writeFile(folder, "0.07,\"1,200\",  0.30 \r\n"));
    EXPECT_EQ(fields, (QStringList{"0.07", "1,200", "0.30"}));
    EXPECT_TRUE(CostChart::readFields(folder.filePath("missing.Fil")).isEmpty());
}

TEST(CostChartTest, NumbersShowAsUsDollarsWhateverTheLocaleAndOtherTextAsItIs) {
    const struct {
        QString field;
        QString shown;
    } cases[] = {
        {"0.07", "$0.07"},      {"0.3", "$0.30"},   {" 2.79 ", "$2.79"}, {"1234", "$1,234"},
        {"169000", "$169,000"}, {"1,200", "1,200"}, {"n/a", "n/a"},      {"", ""},
        {"inf", "inf"},
    };
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c(),
                                  QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const DefaultLocale desktop(locale); // the desktop's locale, for this pass
        for (const auto& c : cases) {
            EXPECT_EQ(CostChart::currencyText(c.field), c.shown)
                << locale.name().toStdString() << " " << c.field.toStdString();
        }
    }
}

TEST(CostChartTest, TheRowTipNamesTheRowAndItsYear) {
    EXPECT_EQ(CostChart::rowTip(1, "1900"), " Row 1: 1900 ");
    EXPECT_EQ(CostChart::rowTip(5, "1920"), " Row 5: 1920 ");
}

TEST(YearCopyTextTest, SixLinesEachEndedByCrLf) {
    EXPECT_EQ(yearCopyText(1950, "A", "B"),
              "What was Happening During the Year 1950\r\nOn The More Serious Side of 1950\r\nA\r\n"
              "\r\nOn The Lighter Side of 1950\r\nB\r\n");
    EXPECT_EQ(yearCopyText(1900, "one\ntwo", ""),
              "What was Happening During the Year 1900\r\nOn The More Serious Side of 1900\r\n"
              "one\r\ntwo\r\n\r\nOn The Lighter Side of 1900\r\n\r\n");
}

} // namespace
