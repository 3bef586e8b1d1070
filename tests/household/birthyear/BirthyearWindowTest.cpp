#include "BirthyearWindow.h"
#include "BirthyearFile.h"
#include "ColorNumber.h"
#include "DefaultLocale.h"
#include "FakePlatform.h"
#include "FullDisk.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "InputTextBox.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "Services.h"
#include "StatusBar.h"
#include "TextEntryWays.h"
#include "Toolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Answer = Dialogs::Answer;

// A birthyear window over a file holding 1950 and 1951, opened and active, used as a person uses
// it.
class BirthyearWindowTest : public ::testing::Test {
protected:
    BirthyearWindowTest() {
        // The planner, as the activity a toolbar button asks for.
        services.windows.add(12, [](Services&) { return std::make_unique<QWidget>(); });
        BirthyearFile::write(path(), 1950, {"Serious 1950", "Lighter 1950"});
        BirthyearFile::write(path(), 1951, {"  Korea\nline two", ""});
        open();
    }

    QString path() const { return fake.file("Bhday1.FIL"); }
    static void settle() { QCoreApplication::processEvents(); }

    void open() {
        window = std::make_unique<BirthyearWindow>(services);
        window->show();
        QApplication::setActiveWindow(window.get());
        settle();
    }

    void pick(int year) {
        const int index = year - 1900;
        window->yearBox->setCurrentIndex(index);
        emit window->yearBox->activated(index);
        settle();
    }

    void typeYear(const QString& text) {
        window->yearBox->setEditText(text);
        QTest::keyClick(window->yearBox, Qt::Key_Return);
        settle();
    }

    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void type(const QString& text) {
        const QStringList lines = text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(window->inputText, Qt::Key_Return);
            }
            QTest::keyClicks(window->inputText, lines[i]);
        }
        settle();
    }

    void escape() {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        Qt::Key_Escape);
        settle();
    }

    QStringList titles() const {
        QStringList all;
        for (const auto& box : fake.dialogs.shown) {
            all.append(box.title);
        }
        return all;
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<BirthyearWindow> window;
};

TEST_F(BirthyearWindowTest, OpensWithTheYearListAndNoYearShown) {
    EXPECT_EQ(window->windowTitle(), "Birthyear Information");
    EXPECT_EQ(window->statusPanels->panelText(1), "Birthyear Information");
    ASSERT_EQ(window->yearBox->count(), 126);
    EXPECT_EQ(window->yearBox->itemText(0), "1900");
    EXPECT_EQ(window->yearBox->itemText(125), "2025");
    EXPECT_EQ(window->yearBox->currentText(), "");
    EXPECT_EQ(services.program.YearListLimit, 125);
    for (int button : {9, 16, 17}) {
        EXPECT_FALSE(window->toolbar->isButtonEnabled(button)) << button;
    }
    EXPECT_FALSE(window->copyAction->isEnabled());
    EXPECT_FALSE(window->leftToolbarButton(4)->isEnabled());
    EXPECT_TRUE(window->birthyearPanel->isVisible());

    click(window->inputButton); // no year yet
    EXPECT_EQ(fake.dialogs.shown.back().text, "First Select Year for Input or Editing!");
    EXPECT_FALSE(window->inputPanel->isVisible());

    window->close();
    EXPECT_EQ(services.program.YearListLimit, 0);
}

TEST_F(BirthyearWindowTest, AYearShowsItsTextsAndEditsOfBothSidesAreSavedTogether) {
    pick(1951);
    EXPECT_EQ(spokenName(window->seriousText), "  Korea\nline two");
    EXPECT_EQ(spokenDescription(window->seriousText), "On The More Serious Side");
    EXPECT_EQ(spokenName(window->lighterText), "");
    EXPECT_EQ(window->seriousPanel->caption(), "On The More Serious Side Of 1951");
    EXPECT_TRUE(window->copyAction->isEnabled());

    click(window->inputButton);
    EXPECT_TRUE(window->inputPanel->isVisible());
    EXPECT_FALSE(window->copyAction->isEnabled());
    EXPECT_FALSE(window->exitButton->isEnabled());
    EXPECT_EQ(window->statusPanels->panelText(1), "Input/Edit Information");
    window->inputText->setFocus();
    type("x"); // no side yet
    EXPECT_EQ(fake.dialogs.shown.back().text, "First select 'Side' to input or edit data!");
    EXPECT_EQ(window->inputText->toPlainText(), "");

    click(window->seriousSideButton);
    EXPECT_EQ(window->inputSideLabel->text(), "On The More Serious Side");
    EXPECT_EQ(window->lengthLabel->text(), "17"); // the line break counts two
    type("!");
    EXPECT_EQ(window->seriousText->text(), "  Korea\nline two!");
    EXPECT_EQ(window->InputChanged, 1);
    click(window->lighterSideButton);
    type("Fun\n");
    EXPECT_EQ(window->lighterText->text(), "Fun\n");
    click(window->saveButton);
    EXPECT_EQ(window->InputChanged, 0);
    EXPECT_TRUE(window->inputPanel->isVisible()); // no message, the panel stays
    EXPECT_EQ(BirthyearFile::read(path(), 1951),
              (BirthyearFile::YearTexts{"  Korea\nline two!", "Fun\n"}));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(51 * 1100 + 500, 5), "Fun\r\n");
}

// The cost chart covers both sides' texts: a screen reader reads them only while they show.
TEST_F(BirthyearWindowTest, TheTextsUnderTheCostChartAreNotReadAsShowing) {
    pick(1951);
    const auto readAsShown = [this](QWidget* control) {
        for (QAccessibleInterface* object : objectsReadAsShowing(window.get())) {
            if (object->object() == control) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(readAsShown(window->seriousText));
    EXPECT_TRUE(readAsShown(window->lighterText));
    click(window->costChartButton);
    ASSERT_TRUE(window->costChartPanel->isVisible());
    // The panels too, whose captions name the year, though a strip of one shows below the chart.
    for (QWidget* side :
         std::initializer_list<QWidget*>{window->seriousText, window->lighterText,
                                         window->seriousPanel, window->lighterPanel}) {
        EXPECT_FALSE(readAsShown(side)) << side->objectName().toStdString();
    }
    EXPECT_TRUE(readAsShown(window->costGrid));
    click(window->costChartButton);
    EXPECT_TRUE(readAsShown(window->lighterText));
    EXPECT_TRUE(readAsShown(window->lighterPanel));
}

TEST_F(BirthyearWindowTest, TheCloseQuestionCancelKeepsThePanelAndNoKeepsTheTextOnScreenOnly) {
    pick(1950);
    click(window->inputButton);
    click(window->seriousSideButton);
    type(" more");
    fake.dialogs.answers = {Answer::Cancel};
    click(window->closeInputButton);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Input/Edit Information");
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save Input or Changes made to 1950?");
    EXPECT_TRUE(window->inputPanel->isVisible());
    EXPECT_EQ(window->InputChanged, 1);

    fake.dialogs.answers = {Answer::No};
    escape(); // Esc with the input panel open asks the same question
    EXPECT_FALSE(window->inputPanel->isVisible());
    EXPECT_EQ(window->seriousText->text(), "Serious 1950 more");
    EXPECT_EQ(BirthyearFile::read(path(), 1950).serious, "Serious 1950");
    EXPECT_TRUE(window->copyAction->isEnabled());
    pick(1950);
    EXPECT_EQ(window->seriousText->text(), "Serious 1950");
}

TEST_F(BirthyearWindowTest, TheFocusQuestionComesOnARealMoveAndTypingAfterItStillCounts) {
    pick(1950);
    click(window->inputButton);
    click(window->seriousSideButton);
    type("A");
    fake.dialogs.answers = {Answer::No};
    window->yearBox->setFocus(Qt::MouseFocusReason);
    settle();
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Salvenor");
    EXPECT_EQ(window->InputChanged, 0);

    window->inputText->setFocus(Qt::MouseFocusReason);
    settle();
    type("B"); // the side is the window's own: the answer above did not replace it
    EXPECT_EQ(window->seriousText->text(), "Serious 1950AB");
    fake.dialogs.answers = {Answer::Yes};
    window->yearBox->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(BirthyearFile::read(path(), 1950).serious, "Serious 1950AB");

    // A message box closing gives the focus back: no question.
    const int shown = int(fake.dialogs.shown.size());
    window->inputText->setFocus(Qt::MouseFocusReason);
    settle();
    type("C");
    window->yearBox->setFocus(Qt::MouseFocusReason);
    fake.dialogs.answers = {Answer::No};
    settle();
    EXPECT_EQ(int(fake.dialogs.shown.size()), shown + 1);
    services.dialogs.message({"x", "Other", Dialogs::Icon::None, Dialogs::Buttons::Ok});
    window->yearBox->setFocus(Qt::ActiveWindowFocusReason);
    settle();
    EXPECT_EQ(int(fake.dialogs.shown.size()), shown + 2);
}

TEST_F(BirthyearWindowTest, OnlyAPlainYearOfTheFileIsShownByEnterOrEdited) {
    for (const char* text : {"1899", "2026", "1950abc", "1950.7"}) {
        typeYear(text);
        EXPECT_EQ(window->ShownYear, 0) << text;
        click(window->inputButton);
        EXPECT_EQ(fake.dialogs.shown.back().text, "First Select Year for Input or Editing!");
    }
    typeYear("2025");
    EXPECT_EQ(window->ShownYear, 2025);
    EXPECT_EQ(window->lighterPanel->caption(), "On The Lighter Side Of 2025");

    // A year typed without Enter is shown before it is edited, so the save writes that year.
    window->yearBox->setEditText("1950");
    click(window->inputButton);
    EXPECT_EQ(window->ShownYear, 1950);
    EXPECT_EQ(window->seriousText->text(), "Serious 1950");
    EXPECT_EQ(window->inputYearLabel->text(), "1950");
}

// Typed into the year box with the focus there, then the command by its menu item (the access
// keys, or a screen reader's action): the focus moving on must not count as a list choice.
TEST_F(BirthyearWindowTest, ATypedYearIsTakenBeforeThePanelOpensAndThePanelStaysOpen) {
    const struct {
        const char* name;
        bool enter;
    } ways[] = {{"without Enter", false}, {"after Enter", true}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        open();
        window->yearBox->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClicks(window->yearBox, "1951");
        if (way.enter) {
            QTest::keyClick(window->yearBox, Qt::Key_Return);
        }
        window->inputAction->trigger();
        settle();
        EXPECT_NE(QApplication::focusWidget(), window->yearBox);
        EXPECT_TRUE(window->inputPanel->isVisible());
        EXPECT_EQ(window->ShownYear, 1951);
        EXPECT_EQ(window->inputYearLabel->text(), "1951");
        click(window->seriousSideButton);
        type("x");
        EXPECT_EQ(window->seriousText->text(), "  Korea\nline twox");
    }
}

TEST_F(BirthyearWindowTest, AFailedSaveSaysSoAndKeepsTheEdits) {
    pick(1950);
    click(window->inputButton);
    click(window->seriousSideButton);
    type("?");
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    fake.dialogs.answers = {Answer::Yes};
    {
        const FullDisk disk(100);
        click(window->closeInputButton);
    }
    EXPECT_EQ(fake.dialogs.shown.back().title, "Disk Error");
    EXPECT_EQ(fake.dialogs.shown.back().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(window->inputPanel->isVisible());
    EXPECT_EQ(window->InputChanged, 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(BirthyearWindowTest, TheBoxRefusesThe501stByteAndCharactersTheFileCannotHold) {
    pick(1950);
    click(window->inputButton);
    click(window->lighterSideButton);
    window->inputText->selectAll();
    type(QString(479, 'a'));
    EXPECT_EQ(window->lengthLabel->text(), "479");
    type("\n"); // 481: red
    EXPECT_EQ(window->lengthLabel->text(), "481");
    EXPECT_EQ(window->lengthLabel->palette().color(QPalette::WindowText), ColorNumber::palette(4));
    type(QString(30, 'b'));
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "\u0416");
    QApplication::sendEvent(window->inputText, &zhe);
    EXPECT_EQ(window->lengthLabel->text(), "500");
    QApplication::clipboard()->setText("zz");
    window->inputText->paste();
    EXPECT_EQ(BirthyearFile::storedLength(window->lighterText->text()), 500);
    click(window->saveButton);
    EXPECT_EQ(BirthyearFile::storedLength(BirthyearFile::read(path(), 1950).lighter), 500);
}

// Whatever way text enters the box, what it shows is what is saved: a character the file cannot
// hold shows as "?", the limit holds, and the entry counts as a change to ask about.
TEST_F(BirthyearWindowTest, EveryWayTextEntersShowsWhatIsSavedAndCountsAsAChange) {
    const QString entered = QString::fromUtf8("\xC5\x81\xF0\x9F\x98\x80xyz"); // Ł, an emoji
    for (const TextEntryWay& way : textEntryWays()) {
        SCOPED_TRACE(way.name);
        open();
        pick(1950);
        click(window->inputButton);
        click(window->lighterSideButton);
        window->inputText->setPlainText(QString(498, 'a')); // set by the window: no change yet
        window->inputText->moveCursor(QTextCursor::End);
        ASSERT_EQ(window->InputChanged, 0);
        InputTextBox& box = *window->inputText;
        way.enter(box, *box.viewport(), box.cursorRect().center(), entered);
        settle();
        const QString shown = QString(498, 'a') + "??";
        EXPECT_EQ(window->inputText->toPlainText(), shown);
        EXPECT_EQ(window->lighterText->text(), shown);
        EXPECT_EQ(window->lengthLabel->text(), "500");
        EXPECT_EQ(window->InputChanged, 1);
        click(window->saveButton);
        EXPECT_EQ(BirthyearFile::read(path(), 1950).lighter, shown);
    }
}

TEST_F(BirthyearWindowTest, TheCopyNamesTheYearOnDisplay) {
    pick(1950);
    window->yearBox->setEditText("1977"); // typed, not shown
    window->leftToolbarButton(4)->trigger();
    ASSERT_EQ(fake.clipboard.texts.size(), 1);
    EXPECT_EQ(fake.clipboard.texts[0],
              "What was Happening During the Year 1950\r\nOn The More Serious Side of 1950\r\n"
              "Serious 1950\r\n\r\nOn The Lighter Side of 1950\r\nLighter 1950\r\n");
    EXPECT_EQ(fake.dialogs.shown.back().title, "Copy Option");
    EXPECT_EQ(fake.dialogs.shown.back().text,
              "Selected Data has been copied to the Windows Clipboard.");
}

TEST_F(BirthyearWindowTest, EscClosesTheChartThenTheSelectorThenTheWindow) {
    pick(1950);
    click(window->costChartButton);
    EXPECT_TRUE(window->costChartPanel->isVisible());
    EXPECT_EQ(window->statusPanels->panelText(1), "Five Year Cost Chart");
    EXPECT_FALSE(window->copyAction->isEnabled());
    window->leftToolbarButton(2)->trigger(); // panel colour only beeps while the chart shows
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    window->leftToolbarButton(1)->trigger();
    EXPECT_TRUE(window->backgroundSelector->isVisible());
    escape();
    EXPECT_FALSE(window->costChartPanel->isVisible());
    EXPECT_TRUE(window->backgroundSelector->isVisible());
    EXPECT_TRUE(window->copyAction->isEnabled());
    escape();
    EXPECT_FALSE(window->backgroundSelector->isVisible());
    EXPECT_TRUE(window->isVisible());
    escape();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

// Unsaved input is asked about before the window closes, never dropped unasked.
TEST_F(BirthyearWindowTest, LeavingWithUnsavedInputAsksCancelStaysYesSaves) {
    pick(1950);
    click(window->inputButton);
    click(window->seriousSideButton);
    type(" kept");
    fake.dialogs.answers = {Answer::Cancel};
    window->toolbar->button(12)->trigger();
    settle();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->inputPanel->isVisible());
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save Input or Changes made to 1950?");

    fake.dialogs.answers = {Answer::Yes};
    window->close();
    settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(BirthyearFile::read(path(), 1950).serious, "Serious 1950 kept");
}

TEST_F(BirthyearWindowTest, TheChartShowsThePricesItemAfterItem) {
    QFile prices(fake.file("Cost1.Fil"));
    ASSERT_TRUE(prices.open(QIODevice::WriteOnly));
    QByteArray content;
    for (int n = 1; n <= 120; ++n) {
        content += n == 2 ? QByteArray("\"1,5\"") : QByteArray::number(n) + ".5";
        content += n % 10 == 0 ? "\r\n" : ",";
    }
    prices.write(content);
    prices.close();
    // The desktop's locale has no say: the prices are US dollars.
    {
        const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        open();
    }
    EXPECT_EQ(window->costGrid->textMatrix(0, 2), "Gallon of Milk");
    EXPECT_EQ(window->costGrid->textMatrix(1, 2), "$22.50");
    EXPECT_EQ(window->costGrid->textMatrix(2, 1), "1,5");
    EXPECT_EQ(window->costGrid->textMatrix(21, 5), "$105.50");
    EXPECT_EQ(window->costGrid->rows(), 22);
    EXPECT_EQ(window->ShowRowScrollTip(1), " Row 1: 1900 ");
    const int width = window->costGrid->widthTwips();
    EXPECT_EQ(window->costGrid->colWidth(0), int(std::lround(width * 0.14)));
    EXPECT_EQ(window->costGrid->colWidth(5), int(std::lround(width * 0.165)));
}

TEST_F(BirthyearWindowTest, AMissingPriceFileLeavesHeadingsAndYears) {
    EXPECT_EQ(window->costGrid->textMatrix(0, 5), "A New Home");
    EXPECT_EQ(window->costGrid->textMatrix(21, 0), "2000");
    EXPECT_EQ(window->costGrid->textMatrix(1, 1), "");
}

TEST_F(BirthyearWindowTest, FirstRunDefaultsAndChosenColoursSurviveARestart) {
    EXPECT_EQ(window->birthyearPanel->backColour(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(window->seriousText->palette().color(QPalette::WindowText), QColor(Qt::black));
    const QColor textArea = ColorNumber::toColor(ColorNumber::kSystemFlag + 5);
    EXPECT_EQ(window->costGrid->backColour(), textArea);
    EXPECT_FALSE(window->costGrid->hasPicture());

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(fake.file("WP3.jpg")));
    fake.dialogs.answers = {Answer::Yes};
    fake.dialogs.colors = {QColor(0, 128, 0), QColor(0xC0, 0xC0, 0xC0), QColor(0, 0, 128)};
    window->panelColourAction->trigger(); // the panel green
    window->textColourAction->trigger();  // the panel's old grey: no conflict, it is green now
    window->textColourAction->trigger();  // navy
    click(window->costChartButton);       // the chart, with the selector
    window->backgroundSelectorAction->trigger();
    window->backgroundSelector->thumbnails[2]->click();
    window->backgroundSelector->choiceButtons[2]->click(); // Use Above: WP3
    fake.dialogs.answers = {Answer::Yes};
    window->exitAction->trigger();
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save changes made to Panel and or Text Color?");
    RecordFile gcolor2 = settingsFile(fake.folder, SettingsFile::GColor2);
    EXPECT_EQ(gcolor2.readText(5), QString::number(0x008000));
    EXPECT_EQ(gcolor2.readText(6), QString::number(0x800000));
    EXPECT_EQ(gcolor2.readText(60), "WP3");

    open();
    EXPECT_EQ(window->birthyearPanel->backColour(), QColor(0, 128, 0));
    EXPECT_EQ(window->lighterText->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(window->costGrid->hasPicture());
    EXPECT_FALSE(window->coloursChanged());
}

TEST_F(BirthyearWindowTest, ACancelledGridChoiceIsNotSavedWhileTheColoursAre) {
    RecordFile gcolor2 = settingsFile(fake.folder, SettingsFile::GColor2);
    gcolor2.writeText(60, "255");
    open();
    EXPECT_EQ(window->costGrid->backColour(), QColor(255, 0, 0));
    click(window->costChartButton);
    window->backgroundSelectorAction->trigger();
    window->backgroundSelector->choiceButtons[1]->click(); // Use Default
    window->backgroundSelectorAction->trigger();
    window->backgroundSelector->choiceButtons[3]->click(); // Cancel takes it out of the save
    fake.dialogs.answers = {Answer::Yes};
    window->exitAction->trigger();
    EXPECT_EQ(gcolor2.readText(60), "255");
    EXPECT_EQ(gcolor2.readText(5), QString::number(0xC0C0C0));
}

} // namespace
