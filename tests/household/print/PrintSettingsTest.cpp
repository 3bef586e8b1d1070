#include "AutoSize.h"
#include "DefaultPrintFont.h"
#include "FakePlatform.h"
#include "PrintFont.h"
#include "PrintSettingsValues.h"
#include "PrinterFontChoice.h"
#include "QtPrinter.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(PrintValueTest, NumbersFailOnEmptyAndNonNumericValues) {
    const struct {
        SharedValue value;
        std::optional<float> single;
        std::optional<qint32> whole;
        std::optional<QString> text;
    } cases[] = {
        {SharedValue{}, std::nullopt, std::nullopt, ""},
        {QString("24"), 24.f, 24, "24"},
        {QString(" 13.5 "), 13.5f, 14, " 13.5 "},
        {QString("abc"), std::nullopt, std::nullopt, "abc"},
        {QString("12pt"), std::nullopt, std::nullopt, "12pt"},
        {QString(""), std::nullopt, std::nullopt, ""},
        {13.5f, 13.5f, 14, "13.5"},
        {12.5f, 12.5f, 12, "12.5"}, // half to even
        {qint32(255), 255.f, 255, "255"},
        {true, -1.f, -1, "True"},
        {QString("1e300"), std::nullopt, std::nullopt, "1e300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(PrintValue::toText(c.value).value_or("?").toStdString());
        EXPECT_EQ(PrintValue::toSingle(c.value), c.single);
        EXPECT_EQ(PrintValue::toLong(c.value), c.whole);
        EXPECT_EQ(PrintValue::toText(c.value), c.text);
    }
    EXPECT_EQ(PrintValue::toBoolean(SharedValue{}), false);
    EXPECT_EQ(PrintValue::toBoolean(QString("True")), true);
    EXPECT_EQ(PrintValue::toBoolean(qint32(0)), false);
    EXPECT_EQ(PrintValue::toBoolean(QString("maybe")), std::nullopt);
}

TEST(PrintValueTest, AValueThatCannotBeConvertedKeepsTheBaseFont) {
    PrintSettings settings;
    settings.PrintFontName = QString("Serif");
    settings.PrintFontSize = QString("big");
    settings.PrintFontBold = QString("maybe");
    settings.PrintFontItalic = true;
    settings.PrintFontColour = QString("red");
    PrintFont base;
    base.size = 24;
    base.bold = true;
    const PrintFont font = printFontOf(settings, base);
    EXPECT_EQ(font.name, "Serif");
    EXPECT_EQ(font.size, 24);
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(printColourOf(settings), std::nullopt);
    settings.PrintFontColour = qint32(0xFF0000);
    EXPECT_EQ(printColourOf(settings), QColor(Qt::blue));
}

TEST(DefaultPrintFontTest, ThePrinterNamesTheFontAndTheSystemsMatchStandsInForTimes) {
    const struct {
        const char* screen;
        QStringList refused;
        QString name;
        QStringList asked;
    } cases[] = {
        {"MS Sans Serif", {}, "Times New Roman", {"Times New Roman"}},
        {"MS Serif", {}, "Times New Roman", {"Times New Roman"}},
        {"Arial", {}, "Arial", {"Arial"}},
        {"Arial", {"Arial"}, "Times New Roman", {"Arial", "Times New Roman"}},
        // No font of either name, with or without a printer: never a typewriter face.
        {"Arial",
         {"Arial", "Times New Roman"},
         "DejaVu Serif",
         {"Arial", "Times New Roman", "Times New Roman"}},
        {"MS Sans Serif",
         {"Times New Roman"},
         "DejaVu Serif",
         {"Times New Roman", "Times New Roman", "Times New Roman"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        FakePrinter printer;
        printer.refusedFonts = c.refused;
        PrintSettings settings;
        settings.PrintFontSize = QString("24");
        QFont screen(c.screen);
        screen.setItalic(true);
        screen.setUnderline(true);
        applyDefaultPrintFont(settings, printer, screen, {});
        EXPECT_EQ(settings.PrintFontName, SharedValue(c.name));
        EXPECT_EQ(printer.fontRequests, c.asked);
        EXPECT_EQ(settings.PrintFontSize, SharedValue(QString("24")));
        EXPECT_EQ(settings.PrintFontBold, SharedValue(false));
        EXPECT_EQ(settings.PrintFontItalic, SharedValue(true));
        EXPECT_EQ(settings.PrintFontUnderline, SharedValue{}) << "left alone";
    }
}

TEST(DefaultPrintFontTest, TheDesktopsPrinterKnowsOnlyItsOwnFontsAndSubstitutesASerif) {
    QtPrinter printer;
    const QString serif = QFontInfo(QFont("Serif")).family();
    EXPECT_EQ(printer.fontFor(serif), serif);
    EXPECT_EQ(printer.fontFor("No Such Font Anywhere"), std::nullopt);
    // The face the system matches to the name, never a typewriter; the same face that a preview
    // measuring with the name itself gets.
    const QString substitute = printer.substituteFor("Times New Roman");
    EXPECT_FALSE(substitute.isEmpty());
    EXPECT_FALSE(QFontInfo(QFont(substitute)).fixedPitch()) << substitute.toStdString();
    EXPECT_EQ(substitute, QFontInfo(referenceFont(PrintFont{"Times New Roman"})).family());
}

TEST(DefaultPrintFontTest, AWindowsOwnSizeAndEffectsFollowTheRule) {
    FakePrinter printer;
    printer.fonts["Times New Roman"] = "Liberation Serif";
    PrintSettings settings;
    QFont screen("MS Sans Serif");
    screen.setStrikeOut(true);
    applyDefaultPrintFont(settings, printer, screen, {"10", true});
    EXPECT_EQ(settings.PrintFontName, SharedValue(QString("Liberation Serif")));
    EXPECT_EQ(settings.PrintFontSize, SharedValue(QString("10")));
    EXPECT_EQ(settings.PrintFontStrikethru, SharedValue(true));
    EXPECT_EQ(settings.PrintFontUnderline, SharedValue(false));

    settings.PrintFontSize = 20.f;
    applyDefaultPrintFont(settings, printer, QFont("Arial"), {"10", false});
    EXPECT_EQ(settings.PrintFontSize, SharedValue(20.f)) << "only the classic fonts reset it";
}

TEST(ChoosePrinterFontTest, ThePresetComesFromTheSettingsAndTheChoiceGoesBack) {
    FakeDialogs dialogs;
    PrintSettings settings;
    settings.PrintFontName = QString("Serif");
    settings.PrintFontSize = QString("24");
    settings.PrintFontBold = true;
    settings.PrintFontColour = qint32(0x0000FF); // red
    Dialogs::FontChoice chosen{"Sans", 13.5, false, true, true, true, Qt::blue};
    dialogs.fonts.push_back(chosen);
    ASSERT_TRUE(ChoosePrinterFont(settings, dialogs));
    ASSERT_EQ(dialogs.fontInitials.size(), 1);
    EXPECT_EQ(dialogs.fontInitials[0],
              (Dialogs::FontChoice{"Serif", 24, true, false, false, false, Qt::red}));
    EXPECT_EQ(dialogs.fontLists[0], Dialogs::FontList::PrinterFonts);
    EXPECT_EQ(settings.PrintFontName, SharedValue(QString("Sans")));
    EXPECT_EQ(settings.PrintFontSize, SharedValue(13.5f));
    EXPECT_EQ(settings.PrintFontItalic, SharedValue(true));
    EXPECT_EQ(settings.PrintFontStrikethru, SharedValue(true));
    EXPECT_EQ(settings.PrintFontColour, SharedValue(qint32(0xFF0000)));
}

TEST(ChoosePrinterFontTest, CancelChangesNothing) {
    FakeDialogs dialogs;
    PrintSettings settings;
    settings.PrintFontSize = QString("not a size"); // the preset keeps the dialog's own
    EXPECT_FALSE(ChoosePrinterFont(settings, dialogs));
    EXPECT_EQ(dialogs.fontInitials.size(), 1);
    EXPECT_EQ(settings.PrintFontSize, SharedValue(QString("not a size")));
    EXPECT_EQ(settings.PrintFontName, SharedValue{});
}

TEST(AutoSizeTest, FindsTheLargestWholeSizeThatFitsAndAlwaysEnds) {
    const auto proportional = [](double size) { return size * 100; }; // 100 twips a point
    const auto frozen = [](double) { return 500.0; };
    const struct {
        const char* name;
        double start;
        double pageWidth;
        std::function<double(double)> widthAt;
        double expected;
    } cases[] = {
        {"grows", 24, 3050, proportional, 30},
        {"grows keeping its fraction until the end", 24.5, 3070, proportional, 30},
        {"shrinks", 24, 1850, proportional, 18},
        {"already fits exactly", 24, 2400, proportional, 24},
        {"width frozen while narrower", 24, 12240, frozen, 25},
        {"width frozen while wider", 24, 100, frozen, 23},
        {"stops at 999 points", 24, 1e9, proportional, 999},
        {"stops at 1 point", 24, 1, proportional, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(autoSizedFont(c.start, c.pageWidth, c.widthAt), c.expected);
    }
}

} // namespace
