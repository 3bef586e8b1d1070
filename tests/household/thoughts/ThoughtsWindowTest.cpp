#include "ThoughtsWindowFixture.h"

#include "AccessibilityEvents.h"
#include "ColorNumber.h"
#include "CrosswordWindow.h"
#include "MainWindow.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include <functional>

namespace {

const QByteArray kThreeGeneral = "\"One\"\r\n\"Two*lines\"\r\n\"Three\"\r\n";
const QByteArray kThreeHumorous = "\"Q1\",\"A1\"\r\n\"Q2\",\"A2\"\r\n\"Q3\",\"A3\"\r\n";

QString allShownText(const QString& subject) {
    return "All " + subject + " have been displayed!\rProgram will begin randomly selecting \r" +
           "from all " + subject + " again.";
}

TEST_F(ThoughtsWindowTest, ThreeThoughtsComeOnceEachThenTheMessageOpensANewCycle) {
    writeFile("Thought1.Fil", kThreeGeneral);
    open(0);
    EXPECT_EQ(window->windowTitle(), "General Thoughts");
    EXPECT_EQ(window->statusPanels->panelText(1), "General Thoughts");
    EXPECT_EQ(shownThought(), "Display Area");
    EXPECT_FALSE(window->copyAction->isEnabled());
    EXPECT_FALSE(window->leftToolbarButton(4)->isEnabled());
    for (int button : {10, 16, 17}) {
        EXPECT_FALSE(window->toolbar->isButtonEnabled(button)) << button;
    }

    fake.random.draws = {0.5, 0.9, 0.1};
    QStringList seen;
    for (int k = 0; k < 3; ++k) {
        click(window->startButton);
        seen.append(shownThought());
    }
    EXPECT_EQ(seen, (QStringList{"Two\nlines", "Three", "One"}));
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_FALSE(window->startAction->isVisible());
    EXPECT_TRUE(window->nextAction->isVisible());
    EXPECT_TRUE(window->copyAction->isEnabled());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    fake.random.draws = {0.9};
    click(window->startButton);
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Thoughts Function");
    EXPECT_EQ(fake.dialogs.shown[0].text, allShownText("Thoughts"));
    EXPECT_EQ(shownThought(), "Three");       // the new cycle may start with the last one shown
    EXPECT_EQ(fake.random.randomizeCalls, 2); // at load and at the new cycle

    window->leftToolbarButton(4)->trigger();
    EXPECT_EQ(fake.clipboard.texts, QStringList{"Three"});
    window->thoughts.CurrentThought = 2;
    window->copyAction->trigger();
    EXPECT_EQ(fake.clipboard.texts.last(), "Two\rlines"); // the line break as the file holds it
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(fake.dialogs.shown[2].title, "Copy Option");
    EXPECT_EQ(fake.dialogs.shown[2].text, "Thought has been copied to the Windows Clipboard.");
}

TEST_F(ThoughtsWindowTest, TheHumorousWindowAlternatesThoughtAndPunchLine) {
    writeFile("Thought2.Fil", kThreeHumorous);
    open(1);
    EXPECT_EQ(window->windowTitle(), "Humorous Thoughts");
    EXPECT_EQ(window->thoughtLabel->text(), "");
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(window->leftToolbar->widgetForAction(window->leftToolbarButton(n))->isVisible(),
                  n >= 6)
            << n;
    }
    for (QAction* hidden : {window->displayFontAction, window->displayColourAction,
                            window->searchAction, window->printAction}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->text().toStdString();
    }
    EXPECT_TRUE(window->upperPanelColourAction->isVisible());
    EXPECT_TRUE(window->lowerPanelColourAction->isVisible());
    EXPECT_FALSE(window->editMenu->isEnabled());
    EXPECT_FALSE(window->printButton->isVisible());
    EXPECT_EQ(window->searchButton->text(), "&The Rest of the Story");
    EXPECT_FALSE(window->toolbar->isButtonEnabled(11));
    EXPECT_TRUE(window->toolbar->isButtonEnabled(10));

    fake.random.draws = {0.1, 0.5, 0.9};
    for (int k = 1; k <= 3; ++k) {
        click(window->startButton);
        EXPECT_EQ(shownThought(), "Q" + QString::number(k));
        EXPECT_EQ(window->punchLinePanel->caption(), "");
        EXPECT_FALSE(window->startButton->isEnabled());
        EXPECT_FALSE(window->nextAction->isEnabled());
        EXPECT_TRUE(window->restOfStoryAction->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window->searchButton);

        click(window->searchButton);
        EXPECT_EQ(window->punchLinePanel->caption(), "A" + QString::number(k));
        EXPECT_FALSE(window->searchButton->isEnabled());
        EXPECT_FALSE(window->restOfStoryAction->isEnabled());
        EXPECT_TRUE(window->nextAction->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window->startButton);
    }
    click(window->startButton);
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, allShownText("Humorous Thoughts"));
    // The message stands over an empty display.
    window->AllThoughtsShownMessage();
    EXPECT_EQ(window->thoughtLabel->text(), "");
}

// Start, Next and The Rest of the Story keep the focus on a button: what shows is told.
TEST_F(ThoughtsWindowTest, EachThoughtAndPunchLineIsToldAsItShows) {
    AccessibilityEvents heard;
    writeFile("Thought1.Fil", kThreeGeneral);
    open(0);
    fake.random.draws = {0.5, 0.9};
    click(window->startButton);
    click(window->startButton);
    EXPECT_EQ(heard.announcements(), (QStringList{"Two\nlines", "Three"}));

    heard.clear();
    writeFile("Thought2.Fil", kThreeHumorous);
    open(1);
    fake.random.draws = {0.1};
    click(window->startButton);
    click(window->searchButton);
    EXPECT_EQ(heard.announcements(), (QStringList{"Q1", "A1"}));
}

TEST_F(ThoughtsWindowTest, AThoughtFileThatCannotServeReturnsToTheMainWindow) {
    const struct {
        const char* name;
        int kind;
        std::optional<QByteArray> bytes;
    } cases[] = {{"missing", 0, std::nullopt},
                 {"empty", 1, QByteArray()},
                 {"unclosed quote", 0, "\"One\"\r\n\"Two\r\n"}};
    for (const auto& testCase : cases) {
        FakePlatform platform;
        Services shared{platform.platform};
        if (testCase.bytes.has_value()) {
            QFile file(platform.file(testCase.kind == 0 ? "Thought1.Fil" : "Thought2.Fil"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*testCase.bytes);
        }
        shared.program.ThoughtKind = testCase.kind;
        ThoughtsWindow broken(shared);
        broken.show();
        settle();
        EXPECT_FALSE(broken.isVisible()) << testCase.name;
        ASSERT_EQ(platform.dialogs.shown.size(), 1) << testCase.name;
        EXPECT_EQ(platform.dialogs.shown[0].title, "Loading Error") << testCase.name;
        EXPECT_EQ(shared.program.SharedState, 0) << testCase.name;
    }
}

TEST_F(ThoughtsWindowTest, EveryExitAsksToSaveAChangedDisplayThenCloses) {
    writeFile("Thought1.Fil", kThreeGeneral);
    const struct {
        const char* name;
        std::function<void(ThoughtsWindow&)> exit;
        int nextActivity;
    } exits[] = {
        {"Exit button", [](ThoughtsWindow& w) { w.exitButton->click(); }, 0},
        {"Exit item", [](ThoughtsWindow& w) { w.exitAction->trigger(); }, 0},
        {"Esc",
         [](ThoughtsWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, 0},
        {"side toolbar Exit", [](ThoughtsWindow& w) { w.leftToolbarButton(7)->trigger(); }, 0},
        {"toolbar Exit", [](ThoughtsWindow& w) { w.toolbar->button(20)->trigger(); }, 20},
        {"toolbar Humorous Thoughts", [](ThoughtsWindow& w) { w.toolbar->button(11)->trigger(); },
         11},
    };
    for (const auto& testCase : exits) {
        fake.dialogs.shown.clear();
        open(0);
        fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::No};
        window->displayColourAction->trigger(); // the system colour: a change to ask about
        testCase.exit(*window);
        settle();
        EXPECT_FALSE(window->isVisible()) << testCase.name;
        ASSERT_EQ(fake.dialogs.shown.size(), 2) << testCase.name;
        EXPECT_EQ(fake.dialogs.shown[1].title, "Color Changes") << testCase.name;
        EXPECT_EQ(services.program.NextActivity, testCase.nextActivity) << testCase.name;
        services.program.NextActivity = 0;
    }
}

TEST_F(ThoughtsWindowTest, TheRightClickMenuOffersCopyOnlyOnceAThoughtShows) {
    writeFile("Thought1.Fil", kThreeGeneral);
    open(0);
    const auto rightClick = [this] {
        QTest::mouseClick(window->thoughtLabel, Qt::RightButton);
        settle();
        const bool offered = window->optionsCopyAction->isVisible();
        window->optionsMenu->hide();
        settle();
        return offered;
    };
    EXPECT_FALSE(rightClick());
    click(window->startButton);
    EXPECT_TRUE(rightClick());
    EXPECT_FALSE(window->optionsCopyAction->isVisible()); // hidden again once the menu has closed
    EXPECT_FALSE(window->leftToolbarButton(4)->isEnabled());
    click(window->startButton);
    EXPECT_TRUE(window->leftToolbarButton(4)->isEnabled());
}

TEST_F(ThoughtsWindowTest, SearchStepsThroughTheThoughtsThatHoldTheText) {
    writeFile("Thought1.Fil",
              "\"A kind word\"\r\n\"Kindness*grows\"\r\n\"Honest work\"\r\n\"A KIND heart\"\r\n");
    open(0);
    click(window->searchButton);
    EXPECT_TRUE(window->SearchPanel->isVisible());
    EXPECT_TRUE(window->searchAction->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), window->searchText);
    EXPECT_EQ(window->searchNextButton->text(), "&Begin");
    EXPECT_FALSE(window->startButton->isEnabled());

    const struct {
        const char* typed; // nullptr: "&Next" (or "&New") clicked instead of Enter
        QString thought;   // empty: nothing shown
        QString message;
        const char* step;
    } steps[] = {
        {"kind", "A kind word", "", "&Next"},
        {"kind", "Kindness\ngrows", "", "&Next"},
        {"kind", "A KIND heart", "", "&Next"},
        {"kind", "", "No Additional Matches were Found!", "&New"},
        {"kind", "A kind word", "", "&Next"}, // the end was reached: the next step starts again
        {"KIND", "A kind word", "", "&Next"}, // another letter case is another search
        {"word kind", "", "No Matches were Found!", "&New"},
        {"kindness grows", "", "No Matches were Found!", "&New"}, // not across a line break
        {"heart", "A KIND heart", "", "&Next"},
        {nullptr, "", "No Additional Matches were Found!", "&New"},
        {nullptr, "", "Please Enter Search Text!", "&Begin"},
    };
    for (const auto& step : steps) {
        if (step.typed != nullptr) {
            window->searchText->setText(step.typed);
            window->searchText->setFocus();
            press(Qt::Key_Return);
        } else {
            click(window->searchNextButton);
        }
        const QString name = step.typed != nullptr ? step.typed : "button";
        EXPECT_EQ(shownThought(), step.thought) << name.toStdString();
        EXPECT_EQ(window->displayArea->caption(), step.message) << name.toStdString();
        EXPECT_EQ(window->searchNextButton->text(), step.step) << name.toStdString();
        EXPECT_EQ(window->copyAction->isEnabled(), !step.thought.isEmpty()) << name.toStdString();
    }
    EXPECT_EQ(window->displayArea->foreColour(), ColorNumber::palette(12));

    // Esc closes the panel, not the window; the found thoughts count as shown in the cycle.
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->SearchPanel->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->searchAction->isChecked());
    EXPECT_TRUE(window->startButton->isEnabled());
    EXPECT_EQ(window->thoughts.ShownCount, 3);
    click(window->startButton); // a stuck generator: the one thought left comes
    EXPECT_EQ(shownThought(), "Honest work");
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    click(window->startButton);
    EXPECT_EQ(fake.dialogs.shown.size(), 1);

    press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace

namespace {

TEST(ThoughtsFromTheMainWindow, GeneralThoughtsThenItsToolbarOpensTheCrossword) {
    FakePlatform fake;
    Services services{fake.platform};
    QFile file(fake.file("Thought1.Fil"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Every day is a fresh start.\"\r\n");
    file.close();
    services.windows.add(2, [](Services& s) { return std::make_unique<CrosswordWindow>(s); });
    for (int number : {10, 11}) {
        services.windows.add(number,
                             [](Services& s) { return std::make_unique<ThoughtsWindow>(s); });
    }
    MainWindow main(services);
    main.Form_Load();
    fake.modal.scripts.push_back([](QWidget& window) {
        QCoreApplication::processEvents();
        auto& thoughts = dynamic_cast<ThoughtsWindow&>(window);
        EXPECT_EQ(thoughts.windowTitle(), "General Thoughts");
        thoughts.startButton->click();
        EXPECT_EQ(spokenName(thoughts.thoughtLabel), "Every day is a fresh start.");
        EXPECT_EQ(spokenDescription(thoughts.thoughtLabel), "Thought");
        thoughts.toolbar->button(2)->trigger();
        EXPECT_FALSE(thoughts.isVisible());
    });
    fake.modal.scripts.push_back(
        [](QWidget& window) { EXPECT_EQ(window.windowTitle(), "Crossword Puzzles"); });

    main.toolbar->button(10)->trigger();
    QCoreApplication::processEvents(); // the main window's activation opens the next activity
    QCoreApplication::processEvents();

    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"ThoughtsWindow", "CrosswordWindow"}));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(services.program.NextActivity, 0);
}

} // namespace
