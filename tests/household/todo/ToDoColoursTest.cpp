#include "ToDoWindowFixture.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "Panel3D.h"
#include "SettingsFile.h"

#include <QImage>
#include <QToolButton>

namespace {

// A record of GColor1.Fil as the file holds it: 2-byte length, the text, zero padding.
QByteArray textRecord(const QByteArray& text) {
    QByteArray record(20, '\0');
    record[0] = char(text.size());
    record.replace(2, text.size(), text);
    return record;
}

class ToDoColoursTest : public ToDoWindowTest {
protected:
    QByteArray record(int number) const {
        return readFile("GColor1.Fil").mid((number - 1) * 20, 20);
    }
    void writeRecord(int number, const QString& text) const {
        settingsFile(fake.folder, SettingsFile::GColor1).writeText(number, text);
    }
    void writePicture(const QString& name) const {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        ASSERT_TRUE(picture.save(fake.file(name), "JPG"));
    }
};

TEST_F(ToDoColoursTest, MissingRecordsGiveDarkCyanTheTextBoxColourAndBlack) {
    openToDo([&](ToDoWindow& toDo) {
        EXPECT_EQ(toDo.mainPanelFrame->backColour(), QColor(0, 128, 128));
        EXPECT_EQ(toDo.toDoGrid->backColour(),
                  toDo.entryColourBox->palette().color(QPalette::Base));
        EXPECT_EQ(toDo.toDoGrid->foreColour(), QColor(Qt::black));
        EXPECT_EQ(std::get<qint32>(services.program.PrintSettings.PrintFontColour), 0);
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

// The captions on the panel read on it: white on the first run's dark cyan (black there stands
// out 4.4 to 1) and on navy, black on yellow and on the desktop's light grey; a colour chosen
// while the window is open turns them as well.
TEST_F(ToDoColoursTest, TheCaptionsReadOnThePanelWhateverItsColour) {
    const struct {
        const char* stored;
        QColor captions;
    } cases[] = {
        {"", Qt::white}, {"8388608", Qt::white}, {"65535", Qt::black}, {"Default", Qt::black}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        writeRecord(32, c.stored);
        openToDo([&](ToDoWindow& toDo) {
            for (const QLabel* caption : {toDo.dateLabel, toDo.entryCaption}) {
                EXPECT_EQ(caption->palette().color(QPalette::WindowText), c.captions);
            }
            fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
            fake.dialogs.colors = {QColor(0, 0, 128)};
            toDo.ChoosePanelColour();
            EXPECT_EQ(toDo.dateLabel->palette().color(QPalette::WindowText), QColor(Qt::white));
        });
    }
}

TEST_F(ToDoColoursTest, TheTextColourAsksNoQuestionAndIsSavedWithoutTheBackground) {
    writeRecord(33, "wp7");
    writePicture("WP7.jpg");
    openToDo([&](ToDoWindow& toDo) {
        EXPECT_EQ(toDo.GridBackground, "wp7");
        EXPECT_TRUE(toDo.toDoGrid->hasPicture());
        fake.dialogs.colors.push_back(QColor(255, 0, 0));
        toDo.ChooseGridTextColour();
        EXPECT_EQ(toDo.toDoGrid->foreColour(), QColor(255, 0, 0));
        EXPECT_EQ(std::get<qint32>(services.program.PrintSettings.PrintFontColour), 255);
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Save changes made to Panel and or Text Color?");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Color Changes");
    EXPECT_EQ(record(32), textRecord("8421376"));
    EXPECT_EQ(record(33), textRecord("wp7"));
    EXPECT_EQ(record(34), textRecord("255"));
}

TEST_F(ToDoColoursTest, ATextColourLikeTheBackgroundIsRefused) {
    writeRecord(33, "16777215");
    writeRecord(34, "8388608");
    openToDo([&](ToDoWindow& toDo) {
        fake.dialogs.colors.push_back(QColor(255, 255, 255));
        toDo.ChooseGridTextColour();
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].title, "Color Conflict");
        EXPECT_EQ(toDo.toDoGrid->foreColour(), ColorNumber::toColor(8388608));
        EXPECT_EQ(std::get<qint32>(services.program.PrintSettings.PrintFontColour), 8388608);
        EXPECT_EQ(toDo.ColoursChanged, 0);
    });
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
}

TEST_F(ToDoColoursTest, APictureKeepsEveryCellAndIsSavedAsItsStem) {
    writePicture("WP3.jpg");
    writeGridFile({{"Bank", "Monday - Jan 5, 04", ""}, {"", "", "Tuesday - Jan 6, 04"}});
    openToDo([&](ToDoWindow& toDo) {
        toDo.ToggleGridBackgroundSelector();
        ASSERT_TRUE(toDo.backgroundSelector->isVisible());
        toDo.backgroundSelector->thumbnails[2]->click();
        ASSERT_TRUE(toDo.backgroundSelector->choiceButtons[2]->isEnabled());
        toDo.backgroundSelector->choiceButtons[2]->click();
        EXPECT_EQ(toDo.GridBackground, "WP3");
        EXPECT_EQ(toDo.GridBackgroundKind, 3);
        EXPECT_TRUE(toDo.toDoGrid->hasPicture());
        EXPECT_EQ(cell(toDo, 1, 2), "Monday - Jan 5, 04");
        EXPECT_EQ(cell(toDo, 2, 3), "Tuesday - Jan 6, 04");
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_EQ(record(33), textRecord("WP3"));
}

TEST_F(ToDoColoursTest, AnyAnswerToThePanelQuestionDropsAPendingBackground) {
    openToDo([&](ToDoWindow& toDo) {
        toDo.ToggleGridBackgroundSelector();
        toDo.backgroundSelector->choiceButtons[1]->click(); // "Use &Default Background"
        EXPECT_EQ(toDo.GridBackgroundKind, 2);
        fake.dialogs.answers.push_back(Dialogs::Answer::No); // the panel: system default
        toDo.ChoosePanelColour();
        EXPECT_EQ(toDo.GridBackgroundKind, 0);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_EQ(record(32), textRecord("Default"));
    EXPECT_EQ(record(33), QByteArray(20, '\0'));

    fake.dialogs.shown.clear();
    openToDo([&](ToDoWindow& toDo) {
        toDo.ToggleGridBackgroundSelector();
        toDo.backgroundSelector->choiceButtons[1]->click();
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_EQ(record(33), textRecord("Default"));
}

TEST_F(ToDoColoursTest, EscapeCancelsTheSelectorBeforeItLeaves) {
    openToDo([&](ToDoWindow& toDo) {
        toDo.ToggleGridBackgroundSelector();
        ASSERT_TRUE(toDo.backgroundSelector->isVisible());
        press(toDo.commandButtons[ToDoWindow::ExitButton], Qt::Key_Escape);
        EXPECT_FALSE(toDo.backgroundSelector->isVisible());
        EXPECT_TRUE(toDo.isVisible());
        EXPECT_EQ(toDo.GridBackgroundKind, 0);
    });
}

} // namespace
