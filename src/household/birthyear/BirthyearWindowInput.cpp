// The year box, the showing of a year's texts and the input panel in which they are edited.
#include "BirthyearWindow.h"

#include "ColorNumber.h"
#include "GridControl.h"
#include "InputTextBox.h"
#include "Panel3D.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {

constexpr int kWarningLength = 480;
const char* const kInputTitle = "Input/Edit Information";

} // namespace

void BirthyearWindow::ShowBirthYear() {
    const std::optional<int> year = BirthyearFile::parseYear(Combo1->currentText());
    if (!year.has_value()) {
        return;
    }
    // The year is taken from the box now: its list position follows, so that the box finishing
    // its edit later (the focus moving on) finds nothing new to choose.
    if (const int listed = Combo1->findText(Combo1->currentText()); listed >= 0) {
        Combo1->setCurrentIndex(listed);
    }
    program_.BusyPointer();
    setCopyOffered(true);
    Command1->setText("&Five Year Cost Chart");
    Panel3D7->hide();
    ShownYear = *year;
    Label3->setText(QString::number(ShownYear));
    YearTexts = BirthyearFile::read(services_.folder.file(BirthyearFile::kFileName), ShownYear);
    Panel3D5->setCaption("On The More Serious Side Of " + QString::number(ShownYear));
    Panel3D6->setCaption("On The Lighter Side Of " + QString::number(ShownYear));
    Label5->setText(YearTexts.serious);
    Label6->setText(YearTexts.lighter);
    program_.NormalPointer();
}

bool BirthyearWindow::AskSaveInput() {
    if (InputChanged != 1) {
        return true;
    }
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Save Input or Changes made to " + QString::number(ShownYear) + "?", "Salvenor",
         Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    program_.SignalValue = double(answer);
    if (answer == Dialogs::Answer::Yes) {
        return SaveBirthYear();
    }
    InputChanged = 0;
    return true;
}

void BirthyearWindow::YearChosen() {
    const QString chosen = Combo1->currentText();
    if (!AskSaveInput()) {
        // The edits could not be saved: they stay on screen with their year.
        Combo1->setEditText(QString::number(ShownYear));
        return;
    }
    Combo1->setEditText(chosen);
    mOBC->setEnabled(false);
    Toolbar2Button(1)->setEnabled(false);
    CloseInputPanel();
    ShowBirthYear();
}

void BirthyearWindow::YearEntered() {
    if (!BirthyearFile::parseYear(Combo1->currentText()).has_value()) {
        return;
    }
    CloseInputPanel();
    ShowBirthYear();
}

void BirthyearWindow::setYearBoxAndChartInTabOrder(bool inOrder) {
    for (QWidget* control : std::initializer_list<QWidget*>{Combo1, Command1}) {
        control->setFocusPolicy(inOrder ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// The panel edits the texts of a year on display; a valid year typed in the box and not yet
// shown is shown first, so that the save writes the year the texts belong to.
void BirthyearWindow::OpenInputPanel() {
    const std::optional<int> year = BirthyearFile::parseYear(Combo1->currentText());
    if (!year.has_value()) {
        services_.dialogs.message({"First Select Year for Input or Editing!", kInputTitle,
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        Combo1->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (*year != ShownYear) {
        ShowBirthYear();
    }
    setCopyOffered(false);
    showStatus(kInputTitle);
    Label2->clear();
    Label3->setText(QString::number(ShownYear));
    Label4->clear();
    EditSide = 0;
    InputChanged = 0;
    mOI->setVisible(false);
    mOE->setEnabled(false);
    for (QAction* item : {mOSide, mOL, mOSave, mOCl}) {
        item->setVisible(true);
    }
    setYearBoxAndChartInTabOrder(false);
    Command6->setEnabled(false);
    Command7->setEnabled(false);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    mOSide->setEnabled(true);
    mOL->setEnabled(true);
    Panel3D8->move(Panel3D8->x(), Panel3D4->height() / 2 - Panel3D8->height() / 2);
    Panel3D8->show();
    Panel3D8->raise();
    Text1->clear();
    Command5->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::EditSeriousSide() {
    Panel3D8->move(Panel3D8->x(), Panel3D6->y());
    Command2->setEnabled(false);
    Command3->setEnabled(true);
    mOSide->setEnabled(false);
    mOL->setEnabled(true);
    EditSide = 1;
    if (!Label5->text().isEmpty()) {
        Text1->setPlainText(Label5->text());
        Text1->moveCursor(QTextCursor::End);
    } else {
        Text1->clear();
        Label2->setStyleSheet("color: " + ColorNumber::palette(1).name());
        Label2->setText("0");
    }
    Label4->setText("On The More Serious Side");
    Text1->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::EditLighterSide() {
    Panel3D8->move(Panel3D8->x(), Panel3D5->y());
    Command2->setEnabled(true);
    Command3->setEnabled(false);
    mOSide->setEnabled(true);
    mOL->setEnabled(false);
    EditSide = 2;
    if (!Label6->text().isEmpty()) {
        Text1->setPlainText(Label6->text());
        Text1->moveCursor(QTextCursor::End);
    } else {
        Text1->clear();
        Label2->setStyleSheet("color: " + ColorNumber::palette(1).name());
        Label2->setText("0");
    }
    Label4->setText("On The Lighter Side");
    Text1->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::TrackInputText() {
    const QString text = Text1->toPlainText();
    if (text.isEmpty() && InputChanged == 0) {
        return;
    }
    if (EditSide == 1 || EditSide == 2) {
        Label2->setText(QString::number(BirthyearFile::storedLength(text)));
        (EditSide == 1 ? Label5 : Label6)->setText(text);
    }
    const int palette = Label2->text().toInt() > kWarningLength ? 4 : 1;
    Label2->setStyleSheet("color: " + ColorNumber::palette(palette).name());
}

bool BirthyearWindow::NoteInputKey() {
    if (!Label4->text().isEmpty()) {
        InputChanged = 1;
        Command4->setEnabled(true);
        mOSave->setEnabled(true);
        return true;
    }
    services_.dialogs.message({"First select 'Side' to input or edit data!", kInputTitle,
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    Text1->clear();
    Command2->setFocus(Qt::OtherFocusReason);
    return false;
}

// A save that fails says so and keeps the edits, their flag and the file as they were.
bool BirthyearWindow::SaveBirthYear() {
    if (ShownYear < BirthyearFile::kFirstYear || ShownYear > BirthyearFile::kLastYear) {
        return false;
    }
    program_.BusyPointer();
    const BirthyearFile::YearTexts texts{Label5->text(), Label6->text()};
    const RecordFile::WriteResult result =
        BirthyearFile::write(services_.folder.file(BirthyearFile::kFileName), ShownYear, texts);
    program_.NormalPointer();
    if (result != RecordFile::WriteResult::Written) {
        services_.dialogs.message({"The texts of " + QString::number(ShownYear) +
                                       " could not be saved: " + BirthyearFile::kFileName +
                                       " could not be written. Your changes are still on screen.",
                                   "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    YearTexts = texts;
    InputChanged = 0;
    return true;
}

bool BirthyearWindow::AskSaveInputBeforeLeaving() {
    if (InputChanged != 1) {
        return true;
    }
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Save Input or Changes made to " + QString::number(ShownYear) + "?", kInputTitle,
         Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel});
    program_.SignalValue = double(answer);
    showStatus(kCaption);
    if (answer == Dialogs::Answer::Cancel) {
        return false;
    }
    if (answer == Dialogs::Answer::Yes && !SaveBirthYear()) {
        return false;
    }
    InputChanged = 0;
    return true;
}

void BirthyearWindow::PromptCloseInput() {
    if (!AskSaveInputBeforeLeaving()) {
        return;
    }
    if (textsOnDisplay()) {
        setCopyOffered(true);
    }
    CloseInputPanel();
    showStatus(kCaption);
}

void BirthyearWindow::CloseInputPanel() {
    Panel3D8->hide();
    Command6->setEnabled(true);
    mOI->setEnabled(true);
    Command7->setEnabled(true);
    setYearBoxAndChartInTabOrder(true);
    mOI->setVisible(true);
    for (QAction* item : {mOSide, mOL, mOSave, mOCl}) {
        item->setVisible(false);
    }
    mOE->setEnabled(true);
    mOC->setVisible(false);
    mOF->setVisible(true);
    EditSide = 0;
    showStatus(kCaption);
}
