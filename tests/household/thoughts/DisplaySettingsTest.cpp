#include "ThoughtsWindowFixture.h"

#include "ColorNumber.h"
#include "DisplayFontFit.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "StatusBar.h"

#include <QLabel>
#include <QToolBar>

namespace {

const QByteArray kGeneral = "\"Be kind\"\r\n";
const QByteArray kHumorous = "\"Q\",\"A\"\r\n";

// A 20-byte settings record holding a text.
QByteArray textRecord(const QByteArray& text) {
    QByteArray record(20, '\0');
    record[0] = char(text.size());
    record.replace(2, text.size(), text);
    return record;
}

// GColor2.Fil holding these text records, up to record 32.
QByteArray settingsBytes(std::initializer_list<std::pair<int, QByteArray>> records) {
    QByteArray bytes(32 * 20, '\0');
    for (const auto& [number, text] : records) {
        bytes.replace((number - 1) * 20, 20, textRecord(text));
    }
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(ThoughtsWindowTest, FirstRunDefaultsOfBothForms) {
    writeFile("Thought1.Fil", kGeneral);
    open(0);
    EXPECT_EQ(window->displayArea->backColour(), ColorNumber::palette(15));
    EXPECT_EQ(window->thoughtLabel->palette().color(QPalette::WindowText), ColorNumber::palette(0));
    const QFont font = window->thoughtLabel->font();
    EXPECT_EQ(font.family(), "MS Sans Serif");
    EXPECT_EQ(font.pointSizeF(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    window->close();

    writeFile("Thought2.Fil", kHumorous);
    open(1);
    EXPECT_EQ(window->displayArea->backColour(), ColorNumber::toColor(0x80FFFF));
    EXPECT_EQ(window->punchLinePanel->backColour(), ColorNumber::toColor(0x80FFFF));
    EXPECT_EQ(window->punchLinePanel->foreColour(), ColorNumber::palette(9));
    EXPECT_EQ(fileBytes(fake.file("GColor2.Fil")), QByteArray());
}

TEST_F(ThoughtsWindowTest, TheSystemColourAndHalfPointsAreSavedOnYesAndSurviveARestart) {
    writeFile("Thought1.Fil", kGeneral);
    open(0);
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->leftToolbarButton(2)->trigger();
    fake.dialogs.fonts = {Dialogs::FontChoice{"MS Sans Serif", 13.5, true, false, false, false,
                                              ColorNumber::palette(4)}};
    window->leftToolbarButton(1)->trigger();
    EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(qint32(0x80)));
    EXPECT_EQ(window->DisplaySettingsChanged, 1);

    // "No" leaves the file as it was.
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->exitButton->click();
    EXPECT_EQ(fake.dialogs.shown.last().text,
              "Save changes made to Panel and or Display Font or Color?");
    EXPECT_EQ(fileBytes(fake.file("GColor2.Fil")), QByteArray());

    open(0);
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->displayColourAction->trigger();
    fake.dialogs.fonts = {Dialogs::FontChoice{"MS Sans Serif", 13.5, true, false, false, false,
                                              ColorNumber::palette(4)}};
    window->displayFontAction->trigger();
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->exitButton->click();
    EXPECT_FALSE(window->isVisible());

    const QByteArray expected = settingsBytes({{1, "Default"},
                                               {2, "128"},
                                               {3, "MS Sans Serif"},
                                               {4, "13.5"},
                                               {31, "True"},
                                               {32, "False"}});
    EXPECT_EQ(fileBytes(fake.file("GColor2.Fil")).toHex(), expected.toHex());

    open(0);
    EXPECT_EQ(window->displayArea->backColour(), systemDefaultColour());
    EXPECT_EQ(window->thoughtLabel->font().pointSizeF(), 13.5);
    EXPECT_EQ(window->thoughtLabel->palette().color(QPalette::WindowText), ColorNumber::palette(4));
}

TEST_F(ThoughtsWindowTest, TheLowerPanelIsSavedAsDefaultOnlyWhenItGotTheDefault) {
    writeFile("Thought2.Fil", kHumorous);
    open(1);
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->upperPanelColourAction->trigger();
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->exitButton->click();
    const QByteArray saved = fileBytes(fake.file("GColor2.Fil"));
    EXPECT_EQ(saved.mid(120, 20), textRecord("Default"));
    EXPECT_EQ(saved.mid(140, 20), textRecord(QByteArray::number(0x80FFFF)));
    EXPECT_EQ(fake.dialogs.shown.last().text, "Save changes made to Panel Colors?");
}

TEST_F(ThoughtsWindowTest, OddRecordsFallBackEachOnItsOwn) {
    writeFile("Thought1.Fil", kGeneral);
    writeFile(
        "GColor2.Fil",
        settingsBytes(
            {{1, "blue-ish"}, {2, "255"}, {3, ""}, {4, "99999"}, {31, "False"}, {32, "maybe"}}));
    open(0);
    EXPECT_EQ(window->displayArea->backColour(), ColorNumber::palette(15));
    EXPECT_EQ(window->thoughtLabel->palette().color(QPalette::WindowText),
              ColorNumber::toColor(255));
    EXPECT_EQ(window->thoughtLabel->font().family(), "MS Sans Serif");
    EXPECT_EQ(window->thoughtLabel->font().pointSizeF(), 14);
    EXPECT_FALSE(window->thoughtLabel->font().bold());
    EXPECT_FALSE(window->thoughtLabel->font().italic());
}

TEST_F(ThoughtsWindowTest, AFontColouredLikeTheAreaOrAColourLikeTheTextIsRefused) {
    writeFile("Thought1.Fil", kGeneral);
    open(0);
    fake.dialogs.fonts = {Dialogs::FontChoice{"MS Sans Serif", 20, false, true, false, false,
                                              ColorNumber::palette(15)}};
    window->displayFontAction->trigger();
    EXPECT_EQ(fake.dialogs.shown.last().text, "Color selected will cause both the\rPanel and Font "
                                              "color to be the same.\rThis would make the words "
                                              "disappear.");
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    EXPECT_EQ(window->thoughtLabel->font().pointSizeF(), 14);

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    fake.dialogs.colors = {ColorNumber::palette(0)};
    window->displayColourAction->trigger();
    EXPECT_EQ(fake.dialogs.shown.last().title, "Color Conflict");
    EXPECT_EQ(window->displayArea->backColour(), ColorNumber::palette(15));
    EXPECT_EQ(window->DisplaySettingsChanged, 0);
    EXPECT_EQ(window->statusPanels->panelText(1), "General Thoughts");
}

TEST_F(ThoughtsWindowTest, AFontTooLargeIsShrunkAndTheThoughtComesBackCentred) {
    writeFile("Thought1.Fil", kGeneral);
    open(0);
    click(window->startButton);
    fake.dialogs.fonts = {Dialogs::FontChoice{"DejaVu Sans", 72, false, false, false, false,
                                              ColorNumber::palette(1)}};
    window->displayFontAction->trigger();
    ASSERT_FALSE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(fake.dialogs.shown.last().title, "Font Size Reduction Routine");
    const double size = window->thoughtLabel->font().pointSizeF();
    EXPECT_LT(size, 72);
    EXPECT_EQ(window->DisplayFitSize, QFontInfo(window->thoughtLabel->font()).pointSizeF());
    EXPECT_EQ(window->thoughtLabel->text(), "Be kind");
    EXPECT_TRUE(window->thoughtLabel->isVisible());
    const QRect label = window->thoughtLabel->geometry();
    const QRect area = window->displayArea->rect();
    EXPECT_LE(std::abs(label.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(label.center().y() - area.center().y()), 1);
}

// A font measured as 100 twips wide and 40 high a point, reporting the size it was given down to
// its smallest size.
DisplayFontFit::Measure scalable(double smallest, QList<double>* asked = nullptr) {
    return [=](double size) {
        if (asked != nullptr) {
            asked->append(size);
        }
        const double given = std::max(size, smallest);
        return DisplayFontFit::Measured{given, given * 100, given * 40};
    };
}

TEST(DisplayFontFit, ShrinksByHalfPointsAndGivesUpOnAFontThatStopsShrinking) {
    const DisplayFontFit::Panel panel{2100, 4000}; // 20 points fit with 100 twips to spare
    const struct {
        const char* name;
        double size;
        DisplayFontFit::Measure measure;
        double keeps;
        bool stuck;
    } cases[] = {
        {"fits already", 18, scalable(1), 18, false},
        {"shrinks to the first size that fits", 24.5, scalable(1), 20, false},
        {"a fixed size never fits", 72,
         [](double) {
             return DisplayFontFit::Measured{12, 9000, 500};
         },
         14, true},
        {"stops shrinking at 30 points", 72, scalable(30), 14, true},
        {"falls below one point", 3,
         [](double size) {
             return DisplayFontFit::Measured{size, 9000, 500};
         },
         14, true},
    };
    for (const auto& testCase : cases) {
        const DisplayFontFit::Shrunk shrunk =
            DisplayFontFit::shrinkUntilFits(testCase.size, 0, panel, testCase.measure);
        EXPECT_EQ(shrunk.size, testCase.keeps) << testCase.name;
        EXPECT_EQ(shrunk.stuck, testCase.stuck) << testCase.name;
    }

    QList<double> asked;
    const DisplayFontFit::Shrunk shrunk =
        DisplayFontFit::shrinkUntilFits(21, 0, panel, scalable(1, &asked));
    EXPECT_EQ(asked, (QList<double>{21, 20.5, 20}));
    EXPECT_EQ(shrunk.lastFitSize, 20);
}

TEST(DisplayFontFit, TheActivationNeverLeavesAFitSizeAboveTheRoundedStartingSize) {
    const DisplayFontFit::Panel panel{2100, 4000};
    const struct {
        double size;
        double fitSize;
        double keeps;
        double fitSizeAfter;
    } cases[] = {
        {14, 0, 14, 0},     // fits: nothing changes
        {24, 0, 20, 20},    // shrunk
        {13.5, 20, 14, 14}, // an older fit above the size: the size is rounded, half to even
        {12.5, 20, 12, 12},
    };
    for (const auto& testCase : cases) {
        const DisplayFontFit::Fitted fitted =
            DisplayFontFit::fitAtActivation(testCase.size, testCase.fitSize, panel, scalable(1));
        EXPECT_EQ(fitted.size, testCase.keeps) << testCase.size;
        EXPECT_EQ(fitted.fitSize, testCase.fitSizeAfter) << testCase.size;
    }
}

} // namespace
