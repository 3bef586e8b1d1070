#include "PanelColours.h"
#include "ColorNumber.h"
#include "DialogPlacement.h"
#include "FakePlatform.h"
#include "FullDisk.h"

#include <QFrame>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class PanelColoursTest : public ::testing::Test {
protected:
    PanelColoursTest() {
        upper =
            colours.add({"Panel Color", {&upperPanel}, SettingsFile::GColor1, 47, 0x8000, [this] {
                             return std::optional<QColor>(textColour);
                         }});
        lower = colours.add({"Panel Color", {&lowerPanel}, SettingsFile::GColor1, 48, 0x808000});
    }

    RecordFile gcolor1() const { return settingsFile(fake.folder, SettingsFile::GColor1); }

    FakePlatform fake;
    Services services{fake.platform};
    PanelColours colours{services, "Save changes made to Panel Colors?"};
    QFrame upperPanel;
    QFrame lowerPanel;
    QColor textColour = Qt::black;
    int upper = 0;
    int lower = 0;
};

TEST_F(PanelColoursTest, StoredRecordsGiveTheirColourOrThePanelsDefault) {
    const struct {
        QString record;
        QColor expected;
    } cases[] = {
        {"255", QColor(255, 0, 0)},
        {"Default   ", systemDefaultColour()},
        {"", ColorNumber::toColor(0x8000)},
        {"blue", ColorNumber::toColor(0x8000)},
        {"12abc", ColorNumber::toColor(0x8000)},
        {"16777215", QColor(255, 255, 255)},
        // More than a colour holds is no colour, not one cut to 24 bits.
        {"16777216", ColorNumber::toColor(0x8000)},
        {"4294967295", ColorNumber::toColor(0x8000)},
        {"-1", ColorNumber::toColor(0x8000)},
    };
    for (const auto& testCase : cases) {
        gcolor1().writeText(47, testCase.record);
        colours.LoadPanelColour();
        EXPECT_EQ(colours.colour(upper), testCase.expected) << testCase.record.toStdString();
        EXPECT_EQ(upperPanel.palette().color(QPalette::Window), testCase.expected);
    }
    EXPECT_EQ(colours.colour(lower), ColorNumber::toColor(0x808000));
    // A save after an over-long record writes the colour shown, never the number cut to fit.
    colours.SavePanelColour();
    EXPECT_EQ(gcolor1().readText(47), QString::number(0x8000));
}

TEST_F(PanelColoursTest, TheAnswersToTheColourQuestion) {
    colours.LoadPanelColour();
    const QColor before = colours.colour(upper);

    fake.dialogs.answers = {Dialogs::Answer::Cancel};
    colours.ChooseColour(upper);
    fake.dialogs.answers = {Dialogs::Answer::Yes}; // then the colour dialog is cancelled
    colours.ChooseColour(upper);
    EXPECT_EQ(colours.colour(upper), before);
    EXPECT_FALSE(colours.coloursChanged());

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(Qt::black)}; // the colour of the panel's text
    colours.ChooseColour(upper);
    EXPECT_EQ(colours.colour(upper), before);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Color Conflict");

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(10, 20, 30)};
    colours.ChooseColour(upper);
    EXPECT_EQ(colours.colour(upper), QColor(10, 20, 30));
    EXPECT_EQ(fake.dialogs.colorInitials.back(), before);

    fake.dialogs.answers = {Dialogs::Answer::No};
    colours.ChooseColour(lower);
    EXPECT_EQ(colours.colour(lower), systemDefaultColour());
    EXPECT_TRUE(colours.coloursChanged());

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    colours.PromptSaveColours();
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save changes made to Panel Colors?");
    EXPECT_EQ(fake.dialogs.shown.back().title, "Color Changes");
    EXPECT_EQ(gcolor1().readText(47), QString::number(0x1E140A));
    EXPECT_EQ(gcolor1().readText(48), "Default"); // not the number of the system colour
}

TEST_F(PanelColoursTest, DecliningToSaveKeepsTheRecordsAndUnchangedColoursAskNothing) {
    gcolor1().writeText(47, "255");
    colours.LoadPanelColour();
    colours.PromptSaveColours();
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::No};
    colours.ChooseColour(upper);
    EXPECT_FALSE(colours.PromptSaveColours());
    // The No that declined answered the save question, asked after the colour's own question.
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    EXPECT_EQ(fake.dialogs.shown.last().text, "Save changes made to Panel Colors?");
    EXPECT_EQ(gcolor1().readText(47), "255");
}

TEST_F(PanelColoursTest, ASaveThatFailsSaysSoAndKeepsTheRecords) {
    gcolor1().writeText(48, "255");
    colours.LoadPanelColour();
    fake.dialogs.answers = {Dialogs::Answer::No};
    colours.ChooseColour(upper);
    {
        const FullDisk disk(100);
        colours.SavePanelColour();
    }
    EXPECT_EQ(fake.dialogs.shown.back().title, "Color Changes");
    EXPECT_TRUE(fake.dialogs.shown.back().text.startsWith("The panel colors could not be saved"));
    EXPECT_EQ(gcolor1().readText(47), "");
    EXPECT_EQ(gcolor1().readText(48), "255");
}

// A panel whose default colour is tested against its texts, and a text colour chosen in the
// dialog alone that must differ from the panel.
TEST_F(PanelColoursTest, ATextColourAndADefaultTestedAgainstTheTexts) {
    QFrame main;
    QFrame label;
    QColor texts = Qt::black;
    PanelColours both{services, "Save changes made to Panel and or Text Color?"};
    const int panel = both.add({.title = "Panel Color",
                                .panels = {&main},
                                .file = SettingsFile::GColor2,
                                .record = 5,
                                .defaultColour = 0xC0C0C0,
                                .defaultMustDifferFrom = [&] { return QList<QColor>{texts}; }});
    const int text = both.add({.title = "Text Color",
                               .panels = {&label},
                               .file = SettingsFile::GColor2,
                               .record = 6,
                               .defaultColour = 0,
                               .mustDifferFrom = [&] { return std::optional(both.colour(panel)); },
                               .role = PanelColours::Role::Text});
    RecordFile gcolor2 = settingsFile(fake.folder, SettingsFile::GColor2);
    gcolor2.writeText(6, "Default");
    both.LoadPanelColour();
    EXPECT_EQ(both.colour(panel), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(both.colour(text), QColor(Qt::black)); // "Default" is no text colour

    fake.dialogs.colors = {QColor(0xC0, 0xC0, 0xC0)}; // the panel's colour: refused
    both.ChooseColour(text);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Color Conflict");
    EXPECT_EQ(both.colour(text), QColor(Qt::black));
    fake.dialogs.colors = {QColor(0, 0, 128)}; // asked no question first
    both.ChooseColour(text);
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));

    texts = systemDefaultColour();
    fake.dialogs.answers = {Dialogs::Answer::No}; // the default equals a text colour: refused
    both.ChooseColour(panel);
    EXPECT_EQ(both.colour(panel), QColor(0xC0, 0xC0, 0xC0));
    fake.dialogs.answers = {Dialogs::Answer::Yes}; // a dialog colour is not tested
    fake.dialogs.colors = {systemDefaultColour()};
    both.ChooseColour(panel);
    EXPECT_EQ(both.colour(panel), systemDefaultColour());

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_TRUE(both.PromptSaveColours());
    EXPECT_EQ(gcolor2.readText(5), QString::number(ColorNumber::fromColor(systemDefaultColour())));
    EXPECT_EQ(gcolor2.readText(6), QString::number(0x800000));
}

TEST(DialogPlacementTest, ADialogIsSizedAndCentredOnTheMainWindow) {
    FakePlatform fake;
    Services services{fake.platform};
    QWidget main;
    main.setGeometry(100, 50, 1000, 800);
    services.mainWindow = &main;
    QWidget dialog;
    DialogPlacement{0.44, 0.67, 300}.place(dialog, services);
    EXPECT_EQ(dialog.size(), QSize(440, 536));
    EXPECT_EQ(dialog.pos(), QPoint(100 + 500 - 220, 50 + 400 - 268 + 20));

    QWidget ownSize;
    ownSize.resize(300, 200);
    DialogPlacement{0, 0, 0}.place(ownSize, services);
    EXPECT_EQ(ownSize.geometry(), QRect(450, 350, 300, 200));
}

TEST_F(PanelColoursTest, ATextColourIsChosenWithoutTheQuestionAndCanBeRefused) {
    QLineEdit box;
    QColor followed;
    const QColor resting = Qt::white;
    const int text = colours.add({.title = "Text Color",
                                  .panels = {&box},
                                  .file = SettingsFile::GColor1,
                                  .record = 49,
                                  .defaultColour = PanelColours::kKeepOwnColours,
                                  .mustDifferFrom = [&] { return std::optional(resting); },
                                  .role = PanelColours::Role::Text,
                                  .applied = [&](const QColor& colour) { followed = colour; }});
    colours.LoadPanelColour(); // an empty record keeps the box's own text colour
    EXPECT_EQ(colours.colour(text), box.palette().color(QPalette::Text));

    fake.dialogs.colors = {QColor(255, 0, 0), QColor(Qt::white)};
    colours.ChooseColour(text);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty()); // no question
    EXPECT_EQ(box.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(followed, QColor(255, 0, 0));
    colours.ChooseColour(text); // the resting colour would hide the text
    EXPECT_EQ(
        fake.dialogs.shownTexts(),
        QStringList{"Selected Color would cause a conflict with Text and Background Colors!"});
    EXPECT_EQ(box.palette().color(QPalette::Text), QColor(255, 0, 0));

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_TRUE(colours.PromptSaveColours());
    EXPECT_EQ(gcolor1().readText(49), QString::number(0xFF));
}

TEST_F(PanelColoursTest, AChangeKeptBesideTheColoursAlsoAsksAtExit) {
    colours.LoadPanelColour();
    EXPECT_FALSE(colours.PromptSaveColours());
    colours.noteChanged();
    fake.dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(colours.PromptSaveColours());
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"Save changes made to Panel Colors?"});
    EXPECT_TRUE(gcolor1().readText(47).isEmpty());
}

TEST_F(PanelColoursTest, SomeColoursAreRefusedOnlyAsTheSystemDefault) {
    QFrame panel;
    const int only = colours.add({.title = "Panel Color",
                                  .panels = {&panel},
                                  .file = SettingsFile::GColor1,
                                  .record = 50,
                                  .defaultColour = 0xC0C0C0,
                                  .defaultMustDifferFrom = [] {
                                      return QList<QColor>{Qt::black, systemDefaultColour()};
                                  }});
    colours.LoadPanelColour();
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Ok, Dialogs::Answer::Yes};
    fake.dialogs.colors = {systemDefaultColour()};
    colours.ChooseColour(only); // No: refused
    EXPECT_EQ(colours.colour(only), ColorNumber::toColor(0xC0C0C0));
    colours.ChooseColour(only); // the same colour from the dialog is taken
    EXPECT_EQ(colours.colour(only), systemDefaultColour());
}

} // namespace
