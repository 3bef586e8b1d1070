#include "SoundInformationWindow.h"
#include "FakePlatform.h"
#include "MinimiseAndRestore.h"
#include "SettingsFile.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SoundInformationWindowTest : public ::testing::Test {
protected:
    void addFiles(const QStringList& names) const {
        for (const QString& name : names) {
            QFile file(fake.file(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    std::unique_ptr<SoundInformationWindow> open() {
        auto window = std::make_unique<SoundInformationWindow>(services);
        window->show();
        QCoreApplication::processEvents(); // the activation
        return window;
    }

    static void clickFile(QListWidget* files, const QString& name) {
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.first()).center());
    }

    QString sound(int record) const {
        return settingsFile(fake.folder, SettingsFile::SWR2).readText(record);
    }

    FakePlatform fake;
    Services services{fake.platform};
    ProgramState& program = services.program;
};

QByteArray record(const QByteArray& text) {
    QByteArray bytes(20, '\0');
    bytes[0] = char(text.size());
    bytes.replace(2, text.size(), text);
    return bytes;
}

TEST_F(SoundInformationWindowTest, AFirstRunSavesNoSoundsWithoutAFilePicked) {
    addFiles({"b.wav", "A.WAV", "c.waw", "Start1.wa1"});
    auto window = open();
    EXPECT_EQ(window->correctFiles->count(), 2);
    EXPECT_EQ(window->correctFiles->item(0)->text(), "A.WAV");
    EXPECT_EQ(window->correctFiles->item(1)->text(), "b.wav");
    ASSERT_EQ(window->incorrectFiles->count(), 1);
    EXPECT_EQ(window->incorrectFiles->item(0)->text(), "c.waw");
    EXPECT_TRUE(window->correctOptions[2]->isChecked());
    EXPECT_TRUE(window->incorrectOptions[2]->isChecked());
    EXPECT_EQ(window->correctFileLabel->text(), "");
    EXPECT_EQ(window->incorrectFileLabel->text(), "");
    EXPECT_TRUE(window->welcomeOptions[1]->isChecked());

    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->saveAndExitButton->click();

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Sound Settings are:\rIf  Correct: None\r"
                                          "If Incorrect: None\rWelcome/Exit Sounds: Off\r\r"
                                          "Save Settings?");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Sound Settings");
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_EQ(program.CorrectSound, "99");
    EXPECT_EQ(program.IncorrectSound, "99");
    EXPECT_EQ(program.WelcomeSounds, "No");
    EXPECT_FALSE(window->isVisible());

    QFile stored(fake.file("SWR2.BMP"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray(40, '\0') + record("99") + record("99") +
                                    QByteArray(20, '\0') + record("No"));
}

TEST_F(SoundInformationWindowTest, AFirstRunKeepsTheSoundChosen) {
    const struct {
        const char* way;
        std::function<void(SoundInformationWindow&)> choose;
        QString described;
        QByteArray stored;
    } cases[] = {
        {"a file",
         [](SoundInformationWindow& window) { clickFile(window.correctFiles, "Fanfare.wav"); },
         "Fanfare.wav", "Fanfare.wav"},
        {"Beep", [](SoundInformationWindow& window) { window.correctOptions[1]->click(); }, "Beep",
         "10"},
    };
    addFiles({"Fanfare.wav"});
    for (const auto& testCase : cases) {
        QFile::remove(fake.file("SWR2.BMP"));
        program.CorrectSound.clear();
        program.IncorrectSound.clear();
        fake.dialogs.shown.clear();
        auto window = open();
        testCase.choose(*window);
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        window->saveAndExitButton->click();

        ASSERT_EQ(fake.dialogs.shown.size(), 1) << testCase.way;
        EXPECT_TRUE(fake.dialogs.shown[0].text.startsWith(
            "Sound Settings are:\rIf  Correct: " + testCase.described + "\rIf Incorrect: None"))
            << testCase.way;
        EXPECT_EQ(program.CorrectSound, testCase.stored) << testCase.way;
        QFile stored(fake.file("SWR2.BMP"));
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), QByteArray(40, '\0') + record(testCase.stored) + record("99") +
                                        QByteArray(20, '\0') + record("No"))
            << testCase.way;
    }
}

TEST_F(SoundInformationWindowTest, EnteringTheListWithNothingSelectedKeepsTheSavedSound) {
    addFiles({"Chime.wav", "Fanfare.wav"});
    program.CorrectSound = "Chime.wav";
    program.IncorrectSound = "10";
    auto window = open();
    window->correctFiles->setFocus(Qt::TabFocusReason);
    QTest::keyRelease(window->correctFiles, Qt::Key_Tab);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->saveAndExitButton->click();

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_TRUE(fake.dialogs.shown[0].text.contains("If  Correct: Chime.wav\rIf Incorrect: Beep"));
    EXPECT_EQ(program.CorrectSound, "Chime.wav");
    EXPECT_EQ(sound(3), "Chime.wav");
}

TEST_F(SoundInformationWindowTest, TheSavedCodeChoosesTheOpeningOption) {
    const struct {
        QString saved;
        int option;
        QString label;
    } cases[] = {
        {"99", 0, "None Selected"},
        {"10", 1, "None Selected"},
        {"Chime.wav", 2, "Chime.wav"},
        {" 10", 2, " 10"}, // compared exactly: a file name
        {"", 2, ""},
    };
    for (const auto& testCase : cases) {
        program.CorrectSound = testCase.saved;
        program.IncorrectSound = testCase.saved;
        auto window = open();
        for (const auto& [options, label, draft] :
             {std::tuple{window->correctOptions, window->correctFileLabel,
                         program.CorrectSoundDraft},
              std::tuple{window->incorrectOptions, window->incorrectFileLabel,
                         program.IncorrectSoundDraft}}) {
            EXPECT_TRUE(options.at(testCase.option)->isChecked()) << testCase.saved.toStdString();
            EXPECT_EQ(label->text(), testCase.label) << testCase.saved.toStdString();
            EXPECT_EQ(draft, testCase.saved);
        }
        EXPECT_EQ(window->correctFiles->isEnabled(), testCase.option == 2);
        EXPECT_EQ(window->testIncorrectButton->isEnabled(), testCase.option == 2);
    }
}

TEST_F(SoundInformationWindowTest, ChoosingAnOptionSetsTheWorkingCopyTheListAndTheLabel) {
    addFiles({"Bells.wav", "Buzz.waw"});
    program.CorrectSound = "Chime.wav";
    program.IncorrectSound = "Honk.waw";
    auto window = open();

    window->correctOptions[1]->click();
    EXPECT_EQ(program.CorrectSoundDraft, "10");
    EXPECT_EQ(window->CorrectFileOption, 0);
    EXPECT_FALSE(window->correctFiles->isEnabled());
    EXPECT_FALSE(window->testCorrectButton->isEnabled());
    EXPECT_EQ(window->correctFileLabel->text(), "None Selected");
    window->correctOptions[0]->click();
    EXPECT_EQ(program.CorrectSoundDraft, "99");
    window->correctOptions[2]->click();
    EXPECT_EQ(program.CorrectSoundDraft, "99"); // unchanged by "Select Sound:"
    EXPECT_EQ(window->CorrectFileOption, 1);
    EXPECT_TRUE(window->correctFiles->isEnabled());
    EXPECT_EQ(window->correctFileLabel->text(), "Chime.wav");

    // A click on the option already chosen runs it again; with a saved beep the right-answer
    // label says nothing is selected, the wrong-answer label keeps the file just picked.
    program.CorrectSound = "10";
    program.IncorrectSound = "10";
    clickFile(window->correctFiles, "Bells.wav");
    clickFile(window->incorrectFiles, "Buzz.waw");
    EXPECT_EQ(window->correctFileLabel->text(), "Bells.wav");
    EXPECT_EQ(program.IncorrectSoundDraft, "Buzz.waw");
    EXPECT_EQ(program.SharedState, 88);
    window->correctOptions[2]->click();
    window->incorrectOptions[2]->click();
    EXPECT_EQ(window->correctFileLabel->text(), "None Selected");
    EXPECT_EQ(window->incorrectFileLabel->text(), "Buzz.waw");
}

// A screen reader's user checks an option by its toggle action, which is no click: the choice
// saved is the one shown checked.
TEST_F(SoundInformationWindowTest, AnOptionCheckedByTheAccessibilityToggleIsTheChoiceSaved) {
    program.CorrectSound = "99";
    program.IncorrectSound = "99";
    program.WelcomeSounds = "No";
    auto window = open();
    for (QRadioButton* option :
         {window->correctOptions[1], window->incorrectOptions[1], window->welcomeOptions[0]}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
        ASSERT_TRUE(accessible->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_TRUE(option->isChecked()) << option->text().toStdString();
    }
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->saveAndExitButton->click();
    EXPECT_EQ(program.CorrectSound, "10");
    EXPECT_EQ(program.IncorrectSound, "10");
    EXPECT_EQ(program.WelcomeSounds, "Yes");
    EXPECT_EQ(sound(3), "10");
    EXPECT_EQ(sound(4), "10");
    EXPECT_EQ(sound(6), "Yes");
}

TEST_F(SoundInformationWindowTest, AFilePickedStaysPickedThroughOptionChanges) {
    addFiles({"Bells.wav", "Chime.wav"});
    program.CorrectSound = "Chime.wav";
    program.IncorrectSound = "99";
    program.WelcomeSounds = "Yes";
    auto window = open();

    clickFile(window->correctFiles, "Bells.wav");
    EXPECT_EQ(program.CorrectSoundTest, 88);
    window->correctOptions[1]->click();
    window->correctOptions[2]->click();
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->saveAndExitButton->click();

    // The working copy "10" is played as a file name while the picked flag is up.
    EXPECT_EQ(fake.sound.played, (QStringList{"10", "Start1.wa1"}));
    EXPECT_TRUE(fake.dialogs.shown[0].text.contains("If  Correct: Beep\rIf Incorrect: None\r"
                                                    "Welcome/Exit Sounds: On"));
    EXPECT_EQ(program.CorrectSound, "Bells.wav");
    EXPECT_EQ(sound(3), "Bells.wav");
    EXPECT_EQ(sound(6), "Yes");
    EXPECT_EQ(program.CorrectSoundTest, 0);
    EXPECT_EQ(program.CorrectSoundDraft, "");
}

TEST_F(SoundInformationWindowTest, LeavingWithoutSavingRestoresOnlyTheWelcomeOption) {
    const struct {
        const char* way;
        std::function<void(SoundInformationWindow&)> close;
        QString welcomeAfter;
    } cases[] = {
        {"Exit Without Saving",
         [](SoundInformationWindow& window) { window.exitWithoutSavingButton->click(); }, "Yes"},
        {"its menu item",
         [](SoundInformationWindow& window) { window.exitWithoutSavingAction->trigger(); }, "Yes"},
        {"the close box", [](SoundInformationWindow& window) { window.close(); }, "No"},
    };
    for (const auto& testCase : cases) {
        program.CorrectSound = "";
        program.IncorrectSound = "10";
        program.WelcomeSounds = "Yes";
        auto window = open();
        window->welcomeOptions[1]->click();
        EXPECT_EQ(program.WelcomeSounds, "No");

        fake.dialogs.answers = {Dialogs::Answer::No};
        window->saveAndExitButton->click();
        EXPECT_TRUE(window->isVisible()) << testCase.way;
        EXPECT_EQ(program.CorrectSound, "99") << testCase.way; // an empty code became "None"

        testCase.close(*window);
        EXPECT_FALSE(window->isVisible()) << testCase.way;
        EXPECT_EQ(program.WelcomeSounds, testCase.welcomeAfter) << testCase.way;
        EXPECT_EQ(program.CorrectSound, "99") << testCase.way;
        EXPECT_EQ(program.IncorrectSoundDraft, "") << testCase.way;
        EXPECT_FALSE(QFile::exists(fake.file("SWR2.BMP"))) << testCase.way;
    }
}

TEST_F(SoundInformationWindowTest, MinimisingKeepsTheWorkingChoicesAndTheCloseBoxClearsThem) {
    program.CorrectSound = "99";
    SoundInformationWindow window(services);
    EXPECT_TRUE(minimiseRestoreAndClose(
        window, [&] { window.correctOptions[1]->click(); },
        [&] {
            EXPECT_TRUE(window.correctOptions[1]->isChecked());
            EXPECT_EQ(program.CorrectSoundDraft, "10");
        },
        [&] { window.close(); }));
    EXPECT_EQ(program.CorrectSoundDraft, "");
    EXPECT_EQ(program.CorrectSound, "99");
}

TEST_F(SoundInformationWindowTest, ANameTooLongForItsRecordIsKeptForThisRunAndTheUserIsTold) {
    const struct {
        QString name;
        bool fits;
    } cases[] = {
        {"Eighteen_char1.wav", true},
        {"Nineteen_chars1.wav", false},
    };
    for (const auto& testCase : cases) {
        addFiles({testCase.name});
        settingsFile(fake.folder, SettingsFile::SWR2).writeText(3, "Chime.wav");
        program.CorrectSound = "Chime.wav";
        program.IncorrectSound = "99";
        fake.dialogs.shown.clear();
        auto window = open();
        clickFile(window->correctFiles, testCase.name);
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        window->saveAndExitButton->click();

        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(program.CorrectSound, testCase.name);
        EXPECT_EQ(sound(3), testCase.fits ? testCase.name : "Chime.wav");
        EXPECT_EQ(sound(4), "99");
        ASSERT_EQ(fake.dialogs.shown.size(), testCase.fits ? 1 : 2);
        if (!testCase.fits) {
            EXPECT_EQ(fake.dialogs.shown[1].text,
                      "The sound file name \"Nineteen_chars1.wav\" is too long to be remembered "
                      "after the program ends: at most 18 characters can be kept. It plays "
                      "until then.");
            EXPECT_EQ(fake.dialogs.shown[1].icon, Dialogs::Icon::Information);
        }
        QFile::remove(fake.file(testCase.name));
    }
}

TEST_F(SoundInformationWindowTest, ANameTheFileCannotHoldIsKeptForThisRunAndTheUserIsTold) {
    const QString name = QString::fromUtf8("Łódź.wav");
    addFiles({name});
    settingsFile(fake.folder, SettingsFile::SWR2).writeText(3, "Chime.wav");
    program.CorrectSound = "Chime.wav";
    program.IncorrectSound = "99";
    auto window = open();
    clickFile(window->correctFiles, name);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->saveAndExitButton->click();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.CorrectSound, name);
    EXPECT_EQ(sound(3), "Chime.wav");
    EXPECT_EQ(sound(4), "99");
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    EXPECT_EQ(fake.dialogs.shown[1].text,
              QString::fromUtf8("The sound file name \"Łódź.wav\" cannot be remembered after the "
                                "program ends: it has characters that cannot be kept (Ł ź). It "
                                "plays until then."));
    EXPECT_EQ(fake.dialogs.shown[1].icon, Dialogs::Icon::Information);
}

TEST_F(SoundInformationWindowTest, TheRightButtonShowsTheOptionsMenuExceptOverTheWelcomeGroup) {
    auto window = open();
    for (QWidget* control : {static_cast<QWidget*>(window->welcomeOptions[0]),
                             static_cast<QWidget*>(window->welcomePanel)}) {
        QTest::mouseClick(control, Qt::RightButton);
        EXPECT_FALSE(window->optionsMenu->isVisible()) << control->metaObject()->className();
    }
    for (QWidget* control :
         {static_cast<QWidget*>(window->saveAndExitButton),
          static_cast<QWidget*>(window->correctFileLabel), window->correctFiles->viewport()}) {
        QTest::mouseClick(control, Qt::RightButton);
        EXPECT_TRUE(window->optionsMenu->isVisible()) << control->metaObject()->className();
        window->optionsMenu->hide();
    }
}

} // namespace
