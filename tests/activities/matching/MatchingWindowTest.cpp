#include "MatchingWindow.h"
#include "AccessibilityEvents.h"

#include "FakePlatform.h"
#include "FamilyNamesFile.h"
#include "FamilyNamesWindow.h"
#include "MainWindow.h"
#include "MatchingPictures.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"
#include "SoundInformationWindow.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The matching window in either level, played with clicks through the seams.
class MatchingWindowTest : public ::testing::Test {
protected:
    MatchingWindowTest() {
        services.windows.add(16,
                             [](Services& s) { return std::make_unique<FamilyNamesWindow>(s); });
        services.windows.add(
            17, [](Services& s) { return std::make_unique<SoundInformationWindow>(s); });
        for (int level : {6, 7}) {
            services.windows.add(level,
                                 [](Services& s) { return std::make_unique<MatchingWindow>(s); });
        }
        services.program.CorrectSound = "99";
        services.program.IncorrectSound = "99";
    }

    void open(int level) {
        services.program.MatchLevelOne = level == 1 ? 1 : 0;
        window = std::make_unique<MatchingWindow>(services);
        window->show();
        QCoreApplication::processEvents();
    }

    // Start with the computer's words, topic 1 drawn.
    void startWords() {
        window->cardSourceOptions[1]->click();
        fake.random.draws = {0.05};
        QTest::mouseClick(window->startButton, Qt::LeftButton);
    }

    int partnerOf(int card) const {
        const auto& values = window->game().CardValue;
        for (int other = 0; other < window->game().cardCount(); ++other) {
            if (other != card && values[std::size_t(other)] == values[std::size_t(card)]) {
                return other;
            }
        }
        return -1;
    }

    // A card still face down whose item differs from the card's.
    int strangerTo(int card) const {
        const auto& values = window->game().CardValue;
        for (int other = 0; other < window->game().cardCount(); ++other) {
            if (values[std::size_t(other)] != values[std::size_t(card)] &&
                window->cardButtons[std::size_t(other)]->isVisible()) {
                return other;
            }
        }
        return -1;
    }

    void click(int card) {
        QTest::mouseClick(window->cardButtons[std::size_t(card)], Qt::LeftButton);
    }

    // Turns every remaining pair, in card order.
    void matchTheRest() {
        for (int card = 0; card < window->game().cardCount(); ++card) {
            if (window->cardButtons[std::size_t(card)]->isVisible()) {
                const int partner = partnerOf(card);
                click(card);
                click(partner);
            }
        }
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<MatchingWindow> window;
};

TEST_F(MatchingWindowTest, OnePlayerPlaysALevelOneGameToItsEndAndReadsTheReport) {
    open(1);
    EXPECT_EQ(window->windowTitle(), "Matching Game - Level 1");
    EXPECT_TRUE(window->cardSourceOptions[2]->isChecked());
    EXPECT_EQ(window->game().MatchCardSource, MatchingGame::Source::Pictures);
    EXPECT_FALSE(window->cardButtons[0]->isEnabled());
    startWords();
    EXPECT_EQ(window->exitButton->text(), "Exit");
    EXPECT_FALSE(window->startButton->isEnabled());
    EXPECT_FALSE(window->panelColourAction->isEnabled());
    EXPECT_FALSE(window->toolbar->isButtonEnabled(16));
    EXPECT_EQ(window->messagePanel->caption(), "Start");
    EXPECT_EQ(window->game().TopicString.left(7), "*HELLO*");

    // Two misses first, with their pause; then every pair.
    const int first = 0;
    click(first);
    EXPECT_EQ(window->messagePanel->caption(), "Again");
    EXPECT_EQ(window->cardFaces[first]->caption(), window->game().CardValue[first]);
    EXPECT_EQ(spokenName(window->cardFaces[first]), window->game().CardValue[first]);
    EXPECT_FALSE(window->cardButtons[first]->isVisible());
    const QDateTime before = fake.clock.current;
    const int second = strangerTo(first);
    click(second);
    EXPECT_EQ(window->messagePanel->caption(), "Select");
    EXPECT_EQ(window->scores[0]->caption(), "1");
    EXPECT_EQ(before.secsTo(fake.clock.current), 2); // two seconds after "99"
    EXPECT_TRUE(window->cardButtons[first]->isVisible());
    // Covered again, the cards tell a screen reader nothing of their faces.
    for (int card : {first, second}) {
        EXPECT_EQ(spokenName(window->cardFaces[std::size_t(card)]),
                  QString("Card %1").arg(card + 1));
        EXPECT_EQ(spokenDescription(window->cardFaces[std::size_t(card)]), "");
    }
    EXPECT_EQ(window->cardButtons[first]->text(), "&A");
    click(first);
    click(strangerTo(first));
    EXPECT_EQ(window->accuracyGauge->floodPercent(), 20); // 2 tries against 10 pairs
    matchTheRest();

    EXPECT_EQ(window->messagePanel->caption(), "GAME");
    EXPECT_TRUE(window->messagePanel->emphasis());
    EXPECT_EQ(window->scores[0]->caption(), " 12");
    EXPECT_EQ(window->accuracyGauge->floodPercent(), 83);
    EXPECT_EQ(window->exitButton->text(), "E&xit");
    EXPECT_TRUE(window->startButton->isEnabled());
    EXPECT_TRUE(window->reportButton->isEnabled());
    EXPECT_TRUE(window->toolbar->isButtonEnabled(16));
    EXPECT_EQ(window->playersPanel->caption(), "");

    QTest::mouseClick(window->reportButton, Qt::LeftButton);
    ASSERT_TRUE(window->reportPanel->isVisible());
    EXPECT_TRUE(window->reportAction->isChecked());
    EXPECT_EQ(window->performanceGrid->rowCount(), 8);
    EXPECT_EQ(window->performanceGrid->item(0, 0)->text(), "1");
    EXPECT_EQ(window->performanceGrid->item(0, 1)->text(), " 12");
    EXPECT_EQ(window->performanceGrid->item(0, 2)->text(), "   83%");
    // Esc presses "&Close" while the report shows, and Exit again after.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->reportPanel->isVisible());
    EXPECT_FALSE(window->reportAction->isChecked());
}

TEST_F(MatchingWindowTest, TwoPlayersTakeTurnsAndTheWinnerIsNamed) {
    open(2);
    window->playerCountOptions[1]->click();
    EXPECT_EQ(window->playersPanel->caption(), "Player 1 Starts");
    EXPECT_FALSE(window->reportButton->isEnabled());
    EXPECT_FALSE(window->reportAction->isEnabled());
    startWords();
    click(0);
    click(partnerOf(0));
    EXPECT_EQ(window->playersPanel->caption(), "Player 1 Select Again");
    EXPECT_EQ(window->scores[0]->caption(), " 1");
    EXPECT_TRUE(window->matchPicturePanel->isVisible());
    const int next = window->cardButtons[1]->isVisible() ? 1 : 2;
    click(next);
    EXPECT_FALSE(window->matchPicturePanel->isVisible());
    click(strangerTo(next));
    EXPECT_EQ(window->playersPanel->caption(), "Player 2 Select");
    EXPECT_TRUE(window->playerBoxes[1]->isEnabled());
    EXPECT_FALSE(window->playerBoxes[0]->isEnabled());
    matchTheRest(); // player 2 finds the other 17
    EXPECT_EQ(window->playersPanel->caption(), "Player 2 Wins");
    EXPECT_FALSE(window->reportAction->isEnabled());
    EXPECT_TRUE(window->playersMenu->menuAction()->isEnabled());
}

TEST_F(MatchingWindowTest, ACardClickQueuedDuringAMatchIsDroppedAndTheGameStillEnds) {
    open(1);
    startWords();
    click(0);
    const int partner = partnerOf(0);
    const int other = partner == 1 ? 2 : 1;
    // The clicks wait in the queue; the match lets pending events run before its picture shows.
    QWidget* target = window->cardButtons[std::size_t(other)];
    const QPointF centre = target->rect().center();
    QApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                    target->mapToGlobal(centre), Qt::LeftButton,
                                                    Qt::LeftButton, Qt::NoModifier));
    QApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                    target->mapToGlobal(centre), Qt::LeftButton,
                                                    Qt::NoButton, Qt::NoModifier));
    click(partner);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->game().CardsOpen, 0);
    EXPECT_TRUE(window->cardButtons[std::size_t(other)]->isVisible());
    matchTheRest();
    EXPECT_EQ(window->messagePanel->caption(), "GAME");
}

TEST_F(MatchingWindowTest, ExchangesSwapTheMissedItemsByTheMode) {
    const struct {
        int option;
        double roll;
        bool exchanged;
        bool beep;
    } cases[] = {{2, 0.9, true, false},
                 {1, 0.3, true, true},
                 {1, 0.9, false, false},
                 {0, 0.3, false, false}};
    for (const auto& c : cases) {
        open(1);
        window->exchangeModeOptions[c.option]->click();
        startWords();
        const int first = 0;
        const int second = strangerTo(first);
        const QString a = window->game().CardValue[first];
        const QString b = window->game().CardValue[std::size_t(second)];
        click(first);
        fake.random.draws = {c.roll};
        const qsizetype beeps = fake.sound.played.count(FakeSound::kBeep);
        click(second);
        EXPECT_EQ(window->game().CardValue[first], c.exchanged ? b : a) << c.option;
        EXPECT_EQ(fake.sound.played.count(FakeSound::kBeep) - beeps, c.beep ? 1 : 0) << c.option;
        EXPECT_EQ(window->messagePanel->caption(), "Select");
        window->close();
    }
}

TEST_F(MatchingWindowTest, NamesSavedFromToolbarSixteenEnableTheFamilySource) {
    open(2);
    EXPECT_FALSE(window->cardSourceOptions[0]->isEnabled());
    EXPECT_FALSE(window->familyFilesAction->isEnabled());
    EXPECT_TRUE(QFile::exists(fake.file("FNames.Fil"))); // created empty
    fake.modal.scripts.push_back([this](QWidget&) {
        QStringList names;
        for (int i = 0; i < 18; ++i) {
            names.append(i % 2 == 0 ? "Ann" : "Bo");
        }
        FamilyNamesFile::write(fake.folder, names);
    });
    window->toolbar->buttonClicked(16);
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.modal.shownClasses, QStringList{"FamilyNamesWindow"});
    EXPECT_TRUE(window->cardSourceOptions[0]->isEnabled());
    EXPECT_TRUE(window->familyFilesAction->isEnabled());
    window->familyFilesAction->trigger();
    EXPECT_TRUE(window->cardSourceOptions[0]->isChecked());
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    // Nine "Ann" and nine "Bo": any two equal names match.
    EXPECT_EQ(window->game().CardValue[0].isEmpty(), false);
    window->close();
    EXPECT_EQ(services.program.NextActivity, 0); // leaving after button 16 opens nothing
    EXPECT_EQ(services.program.MatchLevelOne, 0);
}

TEST_F(MatchingWindowTest, ADamagedFamilyNamesFileIsReadAsFarAsItHolds) {
    QFile file(fake.file("FNames.Fil"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xFF\x7FJo", 4)); // a length far past the record
    file.close();
    open(1);
    EXPECT_TRUE(window->cardSourceOptions[0]->isEnabled());
    window->cardSourceOptions[0]->click();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_TRUE(window->game().CardValue[0] == "Jo" || window->game().CardValue[0].isEmpty());
}

TEST_F(MatchingWindowTest, ColourNoThenExitSavesDefaultAndTheFallbackIsDarkCyan) {
    open(2);
    EXPECT_EQ(window->cardArea->backColour(), QColor(0, 128, 128));
    EXPECT_EQ(window->reportPanel->backColour(), QColor(0, 128, 128));
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    window->panelColourAction->trigger();
    window->exitButton->click();
    EXPECT_EQ(fake.dialogs.shown.last().text, "Save changes made to Panel Color?");
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::GColor1).readText(38).trimmed(), "Default");
}

TEST_F(MatchingWindowTest, EachLevelDisablesOnlyItsOwnButtonAndButton17OpensNothingAfterwards) {
    for (const int level : {1, 2}) {
        open(level);
        EXPECT_EQ(window->toolbar->isButtonEnabled(6), level == 2);
        EXPECT_EQ(window->toolbar->isButtonEnabled(7), level == 1);
        window->toolbar->buttonClicked(17);
        QCoreApplication::processEvents();
        window->toolbar->buttonClicked(20);
        EXPECT_EQ(services.program.NextActivity, 0);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(MatchingWindowTest, LevelOneFollowsTheWorkedExampleAndASecondActivationKeepsIt) {
    services.program.ScreenMode = 9; // the design's sizes, not rescaled
    open(1);
    const auto near = [](int pixels, double twips) {
        return std::abs(pixels - Twips::toPixels(twips)) <= 1;
    };
    const auto check = [&] {
        EXPECT_TRUE(near(window->cardArea->width(), 9363));
        EXPECT_TRUE(near(window->cardArea->height(), 3804));
        EXPECT_TRUE(near(window->cardArea->y(), 293));
        EXPECT_TRUE(near(window->commandPanel->y(), 4081));
        EXPECT_TRUE(near(window->commandPanel->height(), 2926));
        const double columns[] = {275, 2101, 3927, 5752, 7578};
        const double rows[] = {275, 1113, 1952, 2790};
        for (std::size_t i = 0; i < 20; ++i) {
            EXPECT_TRUE(near(window->cardFaces[i]->x(), columns[i % 5])) << i;
            EXPECT_TRUE(near(window->cardFaces[i]->y(), rows[i / 5])) << i;
            EXPECT_TRUE(near(window->cardFaces[i]->width(), 1592)) << i;
            const QRect button = window->cardButtons[i]->geometry();
            EXPECT_LE(std::abs(button.center().x() - window->cardFaces[i]->width() / 2), 1);
        }
        for (std::size_t i = 20; i < 36; ++i) {
            EXPECT_FALSE(window->cardFaces[i]->isVisible());
        }
    };
    check();
    window->toolbar->buttonClicked(17);
    QCoreApplication::processEvents();
    check();
}

TEST_F(MatchingWindowTest, AltWithACardsKeyTurnsItWhileItCanBeTurnedElseOpensTheMenu) {
    open(2);
    QTest::keyClick(window->startButton, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(window->cardFaces[14]->caption(), "");
    startWords();
    QTest::keyClick(window->startButton, Qt::Key_O, Qt::AltModifier);
    EXPECT_FALSE(window->cardButtons[14]->isVisible());
    EXPECT_EQ(window->game().PickedCards[0], 14);
    EXPECT_EQ(window->messagePanel->caption(), "Again");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(window->game().CardsOpen, 0); // card 35 judged the pair
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(window->game().PickedCards[0], 7);
    EXPECT_TRUE(fake.help.topics.isEmpty());
}

} // namespace

namespace {

TEST_F(MatchingWindowTest, ThePictureSourceShowsEachCardsPictureAndSwapsThemOnAnExchange) {
    open(2);
    window->exchangeModeOptions[2]->click(); // always exchange
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->game().PictureCards, 1);
    for (std::size_t i = 0; i < 36; ++i) {
        EXPECT_TRUE(window->cardPictures[i]->isVisible()) << i;
        EXPECT_FALSE(window->cardPictures[i]->pixmap().isNull()) << i;
    }
    const int second = strangerTo(0);
    const QImage before = window->cardPictures[0]->pixmap().toImage();
    click(0);
    EXPECT_EQ(window->cardFaces[0]->caption(), " ");
    click(second);
    EXPECT_EQ(window->cardPictures[std::size_t(second)]->pixmap().toImage(), before);
}

} // namespace

namespace {

// A screen reader reads a picture card turned face up by its picture's name and nothing of a
// card face down; a lone player's count is read as the tries it counts.
TEST_F(MatchingWindowTest, AScreenReaderReadsTheTurnedPicturesAndTheTries) {
    const auto picturesRead = [this] {
        QStringList names;
        for (QAccessibleInterface* object : objectsReadAsShowing(window.get())) {
            if (object->role() == QAccessible::Graphic) {
                names.append(object->text(QAccessible::Name));
            }
        }
        return names;
    };
    for (int level : {1, 2}) {
        open(level);
        QTest::mouseClick(window->startButton, Qt::LeftButton);
        EXPECT_EQ(picturesRead(), QStringList()) << level;
        const int second = strangerTo(0);
        click(0);
        const QString picture = MatchingPictures::name(window->game().CardValue[0].toInt());
        EXPECT_FALSE(picture.isEmpty());
        EXPECT_EQ(picturesRead(), QStringList{picture}) << level;
        click(second);
        EXPECT_EQ(window->scores[0]->caption(), "1");
        EXPECT_EQ(spokenDescription(window->scores[0]), "No. of Tries") << level;
    }
    open(1);
    window->playerCountOptions[1]->click();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->playerBoxes[0]->caption(), "Player 1");
    EXPECT_EQ(spokenName(window->scores[0]), "Player 1 score");
}

TEST_F(MatchingWindowTest, TheMainWindowOpensLevelOneAndItsToolbarSwitchesToLevelTwo) {
    MainWindow main(services);
    main.Form_Load();
    QStringList captions;
    fake.modal.scripts.push_back([&](QWidget& shown) {
        auto& matching = static_cast<MatchingWindow&>(shown);
        captions.append(matching.windowTitle());
        EXPECT_EQ(matching.game().cardCount(), 20);
        matching.toolbar->button(7)->trigger();
    });
    fake.modal.scripts.push_back([&](QWidget& shown) {
        auto& matching = static_cast<MatchingWindow&>(shown);
        captions.append(matching.windowTitle());
        EXPECT_EQ(matching.game().cardCount(), 36);
        EXPECT_FALSE(matching.toolbar->isButtonEnabled(7));
        matching.toolbar->button(20)->trigger();
    });
    main.toolbar->button(6)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(captions, (QStringList{"Matching Game - Level 1", "Matching Game - Level 2"}));
    EXPECT_EQ(services.program.NextActivity, 0);
    EXPECT_EQ(services.program.MatchLevelOne, 0);
}

} // namespace

namespace {

TEST_F(MatchingWindowTest, AMissIsShownASecondAtLeastThenCoveredShowingNothingOfItsFaces) {
    const struct {
        const char* sound;
        int clockMs; // where in its second the clock stands when the pair is turned
        int shownMs; // how long the missed pair stays in view
    } cases[] = {
        {"Buzz.wav", 0, 1000}, // the pause after a wave: one second
        {"10", 0, 2000},       // after a beep or silence: two
        {"99", 0, 2000},
        {"", 900, 1000}, // a fresh install late in a second: the pause alone would be 0.1 s
        {"Buzz.wav", 900, 1000},
        {"10", 900, 1100},
    };
    for (const auto& c : cases) {
        services.program.IncorrectSound = c.sound;
        open(1);
        startWords();
        click(0);
        const int stranger = strangerTo(0);
        fake.clock.current.setTime(QTime(10, 0, 0, c.clockMs));
        const QDateTime before = fake.clock.current;
        click(stranger);
        EXPECT_EQ(before.msecsTo(fake.clock.current), c.shownMs) << c.sound << " " << c.clockMs;
        for (const int card : {0, stranger}) {
            EXPECT_TRUE(window->cardButtons[std::size_t(card)]->isVisible()) << card;
            EXPECT_EQ(window->cardFaces[std::size_t(card)]->caption(), "") << card;
        }
        window->close();
    }
}

TEST_F(MatchingWindowTest, TheInnerPanelsTakeTheSystemFaceColourNotTheWindowsBlue) {
    services.program.Background = qint32{0xFF0000}; // the default blue
    open(2);
    const QColor face = systemDefaultColour();
    ASSERT_NE(face.rgb(), QColor(0, 0, 255).rgb());
    const struct {
        const char* name;
        Panel3D* panel;
    } panels[] = {
        {"message", window->messagePanel},
        {"players", window->playersPanel},
        {"players count", window->playerCountPanel},
        {"exchange", window->exchangePanel},
        {"files", window->filesPanel},
        {"accuracy", window->accuracyGauge},
        {"player 1", window->playerBoxes[0]},
        {"accuracy box", window->playerBoxes[4]},
        {"score 1", window->scores[0]},
    };
    for (const auto& p : panels) {
        EXPECT_EQ(p.panel->backColour().rgb(), face.rgb()) << p.name;
    }
}

// Start disables the options and itself: the focus goes straight to Exit, where the card keys go,
// and a screen reader hears no focus move to a control being disabled.
TEST_F(MatchingWindowTest, StartHandsTheFocusToExitWithoutPassingDisabledOptions) {
    open(1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->cardSourceOptions[1]->click();
    for (QWidget* from :
         std::initializer_list<QWidget*>{window->exchangeModeOptions[1], window->startButton}) {
        SCOPED_TRACE(from->metaObject()->className());
        if (window->startButton->isEnabled() == false) {
            matchTheRest();
        }
        from->setFocus();
        AccessibilityEvents heard;
        fake.random.draws = {0.05};
        if (from == window->startButton) {
            QTest::keyClick(from, Qt::Key_Space);
        } else {
            window->startAction->trigger(); // the menu's Start, chosen by keys
        }
        ASSERT_FALSE(window->startButton->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window->exitButton);
        for (const AccessibilityEvents::Event& move : heard.focusMoves()) {
            EXPECT_EQ(move.object, window->exitButton) << move.name.toStdString();
        }
    }
}

TEST_F(MatchingWindowTest, SpaceOnTheFocusedExitEndsNoGameInPlay) {
    open(1);
    startWords();
    click(0);
    click(strangerTo(0)); // the second card gives Exit the focus
    ASSERT_EQ(QApplication::focusWidget(), window->exitButton);
    QTest::keyClick(window->exitButton, Qt::Key_Space);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->game().PairsFound == 0 && window->exitButton->text() == "Exit");
    // After the game Space presses Exit again; Esc leaves during a game as before.
    matchTheRest();
    ASSERT_TRUE(window->startButton->isEnabled());
    window->exitButton->setFocus();
    QTest::keyClick(window->exitButton, Qt::Key_Space);
    EXPECT_FALSE(window->isVisible());
    open(1);
    startWords();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
