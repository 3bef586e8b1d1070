#include "BirthyearWindow.h"
#include "BirthyearFile.h"
#include "ColorNumber.h"
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
        window->Combo1->setCurrentIndex(index);
        emit window->Combo1->activated(index);
        settle();
    }

    void typeYear(const QString& text) {
        window->Combo1->setEditText(text);
        QTest::keyClick(window->Combo1, Qt::Key_Return);
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
                QTest::keyClick(window->Text1, Qt::Key_Return);
            }
            QTest::keyClicks(window->Text1, lines[i]);
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
    EXPECT_EQ(window->StatusBar1->panelText(1), "Birthyear Information");
    ASSERT_EQ(window->Combo1->count(), 126);
    EXPECT_EQ(window->Combo1->itemText(0), "1900");
    EXPECT_EQ(window->Combo1->itemText(125), "2025");
    EXPECT_EQ(window->Combo1->currentText(), "");
    EXPECT_EQ(services.program.YearListLimit, 125);
    for (int button : {9, 16, 17}) {
        EXPECT_FALSE(window->Toolbar1->isButtonEnabled(button)) << button;
    }
    EXPECT_FALSE(window->mUCopy->isEnabled());
    EXPECT_FALSE(window->Toolbar2Button(4)->isEnabled());
    EXPECT_TRUE(window->Panel3D1->isVisible());

    click(window->Command6); // no year yet
    EXPECT_EQ(fake.dialogs.shown.back().text, "First Select Year for Input or Editing!");
    EXPECT_FALSE(window->Panel3D8->isVisible());

    window->close();
    EXPECT_EQ(services.program.YearListLimit, 0);
}

TEST_F(BirthyearWindowTest, AYearShowsItsTextsAndEditsOfBothSidesAreSavedTogether) {
    pick(1951);
    EXPECT_EQ(spokenName(window->Label5), "  Korea\nline two");
    EXPECT_EQ(spokenDescription(window->Label5), "On The More Serious Side");
    EXPECT_EQ(spokenName(window->Label6), "");
    EXPECT_EQ(window->Panel3D5->caption(), "On The More Serious Side Of 1951");
    EXPECT_TRUE(window->mUCopy->isEnabled());

    click(window->Command6);
    EXPECT_TRUE(window->Panel3D8->isVisible());
    EXPECT_FALSE(window->mUCopy->isEnabled());
    EXPECT_FALSE(window->Command7->isEnabled());
    EXPECT_EQ(window->StatusBar1->panelText(1), "Input/Edit Information");
    window->Text1->setFocus();
    type("x"); // no side yet
    EXPECT_EQ(fake.dialogs.shown.back().text, "First select 'Side' to input or edit data!");
    EXPECT_EQ(window->Text1->toPlainText(), "");

    click(window->Command2);
    EXPECT_EQ(window->Label4->text(), "On The More Serious Side");
    EXPECT_EQ(window->Label2->text(), "17"); // the line break counts two
    type("!");
    EXPECT_EQ(window->Label5->text(), "  Korea\nline two!");
    EXPECT_EQ(window->InputChanged, 1);
    click(window->Command3);
    type("Fun\n");
    EXPECT_EQ(window->Label6->text(), "Fun\n");
    click(window->Command4);
    EXPECT_EQ(window->InputChanged, 0);
    EXPECT_TRUE(window->Panel3D8->isVisible()); // no message, the panel stays
    EXPECT_EQ(BirthyearFile::read(path(), 1951),
              (BirthyearFile::YearTexts{"  Korea\nline two!", "Fun\n"}));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(51 * 1100 + 500, 5), "Fun\r\n");
}

TEST_F(BirthyearWindowTest, TheCloseQuestionCancelKeepsThePanelAndNoKeepsTheTextOnScreenOnly) {
    pick(1950);
    click(window->Command6);
    click(window->Command2);
    type(" more");
    fake.dialogs.answers = {Answer::Cancel};
    click(window->Command5);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Input/Edit Information");
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save Input or Changes made to 1950?");
    EXPECT_TRUE(window->Panel3D8->isVisible());
    EXPECT_EQ(window->InputChanged, 1);

    fake.dialogs.answers = {Answer::No};
    escape(); // Esc with the input panel open asks the same question
    EXPECT_FALSE(window->Panel3D8->isVisible());
    EXPECT_EQ(window->Label5->text(), "Serious 1950 more");
    EXPECT_EQ(BirthyearFile::read(path(), 1950).serious, "Serious 1950");
    EXPECT_TRUE(window->mUCopy->isEnabled());
    pick(1950);
    EXPECT_EQ(window->Label5->text(), "Serious 1950");
}

TEST_F(BirthyearWindowTest, TheFocusQuestionComesOnARealMoveAndTypingAfterItStillCounts) {
    pick(1950);
    click(window->Command6);
    click(window->Command2);
    type("A");
    fake.dialogs.answers = {Answer::No};
    window->Combo1->setFocus(Qt::MouseFocusReason);
    settle();
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown.back().title, "Salvenor");
    EXPECT_EQ(window->InputChanged, 0);

    window->Text1->setFocus(Qt::MouseFocusReason);
    settle();
    type("B"); // the side is the window's own: the answer above did not replace it
    EXPECT_EQ(window->Label5->text(), "Serious 1950AB");
    fake.dialogs.answers = {Answer::Yes};
    window->Combo1->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(BirthyearFile::read(path(), 1950).serious, "Serious 1950AB");

    // A message box closing gives the focus back: no question.
    const int shown = int(fake.dialogs.shown.size());
    window->Text1->setFocus(Qt::MouseFocusReason);
    settle();
    type("C");
    window->Combo1->setFocus(Qt::MouseFocusReason);
    fake.dialogs.answers = {Answer::No};
    settle();
    EXPECT_EQ(int(fake.dialogs.shown.size()), shown + 1);
    services.dialogs.message({"x", "Other", Dialogs::Icon::None, Dialogs::Buttons::Ok});
    window->Combo1->setFocus(Qt::ActiveWindowFocusReason);
    settle();
    EXPECT_EQ(int(fake.dialogs.shown.size()), shown + 2);
}

TEST_F(BirthyearWindowTest, OnlyAPlainYearOfTheFileIsShownByEnterOrEdited) {
    for (const char* text : {"1899", "2026", "1950abc", "1950.7"}) {
        typeYear(text);
        EXPECT_EQ(window->ShownYear, 0) << text;
        click(window->Command6);
        EXPECT_EQ(fake.dialogs.shown.back().text, "First Select Year for Input or Editing!");
    }
    typeYear("2025");
    EXPECT_EQ(window->ShownYear, 2025);
    EXPECT_EQ(window->Panel3D6->caption(), "On The Lighter Side Of 2025");

    // A year typed without Enter is shown before it is edited, so the save writes that year.
    window->Combo1->setEditText("1950");
    click(window->Command6);
    EXPECT_EQ(window->ShownYear, 1950);
    EXPECT_EQ(window->Label5->text(), "Serious 1950");
    EXPECT_EQ(window->Label3->text(), "1950");
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
        window->Combo1->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClicks(window->Combo1, "1951");
        if (way.enter) {
            QTest::keyClick(window->Combo1, Qt::Key_Return);
        }
        window->mOI->trigger();
        settle();
        EXPECT_NE(QApplication::focusWidget(), window->Combo1);
        EXPECT_TRUE(window->Panel3D8->isVisible());
        EXPECT_EQ(window->ShownYear, 1951);
        EXPECT_EQ(window->Label3->text(), "1951");
        click(window->Command2);
        type("x");
        EXPECT_EQ(window->Label5->text(), "  Korea\nline twox");
    }
}

TEST_F(BirthyearWindowTest, AFailedSaveSaysSoAndKeepsTheEdits) {
    pick(1950);
    click(window->Command6);
    click(window->Command2);
    type("?");
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    fake.dialogs.answers = {Answer::Yes};
    {
        const FullDisk disk(100);
        click(window->Command5);
    }
    EXPECT_EQ(fake.dialogs.shown.back().title, "Disk Error");
    EXPECT_EQ(fake.dialogs.shown.back().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(window->Panel3D8->isVisible());
    EXPECT_EQ(window->InputChanged, 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(BirthyearWindowTest, TheBoxRefusesThe501stByteAndCharactersTheFileCannotHold) {
    pick(1950);
    click(window->Command6);
    click(window->Command3);
    window->Text1->selectAll();
    type(QString(479, 'a'));
    EXPECT_EQ(window->Label2->text(), "479");
    type("\n"); // 481: red
    EXPECT_EQ(window->Label2->text(), "481");
    EXPECT_EQ(window->Label2->palette().color(QPalette::WindowText), ColorNumber::palette(4));
    type(QString(30, 'b'));
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "\u0416");
    QApplication::sendEvent(window->Text1, &zhe);
    EXPECT_EQ(window->Label2->text(), "500");
    QApplication::clipboard()->setText("zz");
    window->Text1->paste();
    EXPECT_EQ(BirthyearFile::storedLength(window->Label6->text()), 500);
    click(window->Command4);
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
        click(window->Command6);
        click(window->Command3);
        window->Text1->setPlainText(QString(498, 'a')); // set by the window: no change yet
        window->Text1->moveCursor(QTextCursor::End);
        ASSERT_EQ(window->InputChanged, 0);
        InputTextBox& box = *window->Text1;
        way.enter(box, *box.viewport(), box.cursorRect().center(), entered);
        settle();
        const QString shown = QString(498, 'a') + "??";
        EXPECT_EQ(window->Text1->toPlainText(), shown);
        EXPECT_EQ(window->Label6->text(), shown);
        EXPECT_EQ(window->Label2->text(), "500");
        EXPECT_EQ(window->InputChanged, 1);
        click(window->Command4);
        EXPECT_EQ(BirthyearFile::read(path(), 1950).lighter, shown);
    }
}

TEST_F(BirthyearWindowTest, TheCopyNamesTheYearOnDisplay) {
    pick(1950);
    window->Combo1->setEditText("1977"); // typed, not shown
    window->Toolbar2Button(4)->trigger();
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
    click(window->Command1);
    EXPECT_TRUE(window->Panel3D7->isVisible());
    EXPECT_EQ(window->StatusBar1->panelText(1), "Five Year Cost Chart");
    EXPECT_FALSE(window->mUCopy->isEnabled());
    window->Toolbar2Button(2)->trigger(); // panel colour only beeps while the chart shows
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    window->Toolbar2Button(1)->trigger();
    EXPECT_TRUE(window->SSPanel4->isVisible());
    escape();
    EXPECT_FALSE(window->Panel3D7->isVisible());
    EXPECT_TRUE(window->SSPanel4->isVisible());
    EXPECT_TRUE(window->mUCopy->isEnabled());
    escape();
    EXPECT_FALSE(window->SSPanel4->isVisible());
    EXPECT_TRUE(window->isVisible());
    escape();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

// Unsaved input is asked about before the window closes, never dropped unasked.
TEST_F(BirthyearWindowTest, LeavingWithUnsavedInputAsksCancelStaysYesSaves) {
    pick(1950);
    click(window->Command6);
    click(window->Command2);
    type(" kept");
    fake.dialogs.answers = {Answer::Cancel};
    window->Toolbar1->button(12)->trigger();
    settle();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Panel3D8->isVisible());
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
    const QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open();
    QLocale::setDefault(desktop);
    EXPECT_EQ(window->Grid1->textMatrix(0, 2), "Gallon of Milk");
    EXPECT_EQ(window->Grid1->textMatrix(1, 2), "$22.50");
    EXPECT_EQ(window->Grid1->textMatrix(2, 1), "1,5");
    EXPECT_EQ(window->Grid1->textMatrix(21, 5), "$105.50");
    EXPECT_EQ(window->Grid1->rows(), 22);
    EXPECT_EQ(window->ShowRowScrollTip(1), " Row 1: 1900 ");
    const int width = window->Grid1->widthTwips();
    EXPECT_EQ(window->Grid1->colWidth(0), int(std::lround(width * 0.14)));
    EXPECT_EQ(window->Grid1->colWidth(5), int(std::lround(width * 0.165)));
}

TEST_F(BirthyearWindowTest, AMissingPriceFileLeavesHeadingsAndYears) {
    EXPECT_EQ(window->Grid1->textMatrix(0, 5), "A New Home");
    EXPECT_EQ(window->Grid1->textMatrix(21, 0), "2000");
    EXPECT_EQ(window->Grid1->textMatrix(1, 1), "");
}

TEST_F(BirthyearWindowTest, FirstRunDefaultsAndChosenColoursSurviveARestart) {
    EXPECT_EQ(window->Panel3D1->backColour(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(window->Label5->palette().color(QPalette::WindowText), QColor(Qt::black));
    const QColor textArea = ColorNumber::toColor(ColorNumber::kSystemFlag + 5);
    EXPECT_EQ(window->Grid1->backColour(), textArea);
    EXPECT_FALSE(window->Grid1->hasPicture());

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(fake.file("WP3.jpg")));
    fake.dialogs.answers = {Answer::Yes};
    fake.dialogs.colors = {QColor(0, 128, 0), QColor(0xC0, 0xC0, 0xC0), QColor(0, 0, 128)};
    window->mOCol->trigger(); // the panel green
    window->mOTC->trigger();  // the panel's old grey: no conflict, it is green now
    window->mOTC->trigger();  // navy
    click(window->Command1);  // the chart, with the selector
    window->mOBC->trigger();
    window->SSPanel4->Image3[2]->click();
    window->SSPanel4->Command16[2]->click(); // Use Above: WP3
    fake.dialogs.answers = {Answer::Yes};
    window->mOE->trigger();
    EXPECT_EQ(fake.dialogs.shown.back().text, "Save changes made to Panel and or Text Color?");
    RecordFile gcolor2 = settingsFile(fake.folder, SettingsFile::GColor2);
    EXPECT_EQ(gcolor2.readText(5), QString::number(0x008000));
    EXPECT_EQ(gcolor2.readText(6), QString::number(0x800000));
    EXPECT_EQ(gcolor2.readText(60), "WP3");

    open();
    EXPECT_EQ(window->Panel3D1->backColour(), QColor(0, 128, 0));
    EXPECT_EQ(window->Label6->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(window->Grid1->hasPicture());
    EXPECT_FALSE(window->coloursChanged());
}

TEST_F(BirthyearWindowTest, ACancelledGridChoiceIsNotSavedWhileTheColoursAre) {
    RecordFile gcolor2 = settingsFile(fake.folder, SettingsFile::GColor2);
    gcolor2.writeText(60, "255");
    open();
    EXPECT_EQ(window->Grid1->backColour(), QColor(255, 0, 0));
    click(window->Command1);
    window->mOBC->trigger();
    window->SSPanel4->Command16[1]->click(); // Use Default
    window->mOBC->trigger();
    window->SSPanel4->Command16[3]->click(); // Cancel takes it out of the save
    fake.dialogs.answers = {Answer::Yes};
    window->mOE->trigger();
    EXPECT_EQ(gcolor2.readText(60), "255");
    EXPECT_EQ(gcolor2.readText(5), QString::number(0xC0C0C0));
}

} // namespace
