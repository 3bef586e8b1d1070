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
    const std::optional<int> year = BirthyearFile::parseYear(yearBox->currentText());
    if (!year.has_value()) {
        return;
    }
    // The year is taken from the box now: its list position follows, so that the box finishing
    // its edit later (the focus moving on) finds nothing new to choose.
    if (const int listed = yearBox->findText(yearBox->currentText()); listed >= 0) {
        yearBox->setCurrentIndex(listed);
    }
    program_.BusyPointer();
    setCopyOffered(true);
    costChartButton->setText("&Five Year Cost Chart");
    costChartPanel->hide();
    ShownYear = *year;
    inputYearLabel->setText(QString::number(ShownYear));
    YearTexts = BirthyearFile::read(services_.folder.file(BirthyearFile::kFileName), ShownYear);
    seriousPanel->setCaption("On The More Serious Side Of " + QString::number(ShownYear));
    lighterPanel->setCaption("On The Lighter Side Of " + QString::number(ShownYear));
    seriousText->setText(YearTexts.serious);
    lighterText->setText(YearTexts.lighter);
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
    const QString chosen = yearBox->currentText();
    if (!AskSaveInput()) {
        // The edits could not be saved: they stay on screen with their year.
        yearBox->setEditText(QString::number(ShownYear));
        return;
    }
    yearBox->setEditText(chosen);
    backgroundSelectorAction->setEnabled(false);
    leftToolbarButton(1)->setEnabled(false);
    CloseInputPanel();
    ShowBirthYear();
}

void BirthyearWindow::YearEntered() {
    if (!BirthyearFile::parseYear(yearBox->currentText()).has_value()) {
        return;
    }
    CloseInputPanel();
    ShowBirthYear();
}

void BirthyearWindow::setYearBoxAndChartInTabOrder(bool inOrder) {
    for (QWidget* control : std::initializer_list<QWidget*>{yearBox, costChartButton}) {
        control->setFocusPolicy(inOrder ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// The panel edits the texts of a year on display; a valid year typed in the box and not yet
// shown is shown first, so that the save writes the year the texts belong to.
void BirthyearWindow::OpenInputPanel() {
    const std::optional<int> year = BirthyearFile::parseYear(yearBox->currentText());
    if (!year.has_value()) {
        services_.dialogs.message({"First Select Year for Input or Editing!", kInputTitle,
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        yearBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (*year != ShownYear) {
        ShowBirthYear();
    }
    setCopyOffered(false);
    showStatus(kInputTitle);
    lengthLabel->clear();
    inputYearLabel->setText(QString::number(ShownYear));
    inputSideLabel->clear();
    EditSide = 0;
    InputChanged = 0;
    inputAction->setVisible(false);
    exitAction->setEnabled(false);
    for (QAction* item : {seriousSideAction, lighterSideAction, saveAction, closeInputAction}) {
        item->setVisible(true);
    }
    setYearBoxAndChartInTabOrder(false);
    inputButton->setEnabled(false);
    exitButton->setEnabled(false);
    seriousSideButton->setEnabled(true);
    lighterSideButton->setEnabled(true);
    seriousSideAction->setEnabled(true);
    lighterSideAction->setEnabled(true);
    inputPanel->move(inputPanel->x(), workArea->height() / 2 - inputPanel->height() / 2);
    inputPanel->show();
    inputPanel->raise();
    inputText->clear();
    closeInputButton->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::EditSeriousSide() {
    inputPanel->move(inputPanel->x(), lighterPanel->y());
    seriousSideButton->setEnabled(false);
    lighterSideButton->setEnabled(true);
    seriousSideAction->setEnabled(false);
    lighterSideAction->setEnabled(true);
    EditSide = 1;
    if (!seriousText->text().isEmpty()) {
        inputText->setPlainText(seriousText->text());
        inputText->moveCursor(QTextCursor::End);
    } else {
        inputText->clear();
        lengthLabel->setStyleSheet("color: " + ColorNumber::palette(1).name());
        lengthLabel->setText("0");
    }
    inputSideLabel->setText("On The More Serious Side");
    inputText->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::EditLighterSide() {
    inputPanel->move(inputPanel->x(), seriousPanel->y());
    seriousSideButton->setEnabled(true);
    lighterSideButton->setEnabled(false);
    seriousSideAction->setEnabled(true);
    lighterSideAction->setEnabled(false);
    EditSide = 2;
    if (!lighterText->text().isEmpty()) {
        inputText->setPlainText(lighterText->text());
        inputText->moveCursor(QTextCursor::End);
    } else {
        inputText->clear();
        lengthLabel->setStyleSheet("color: " + ColorNumber::palette(1).name());
        lengthLabel->setText("0");
    }
    inputSideLabel->setText("On The Lighter Side");
    inputText->setFocus(Qt::OtherFocusReason);
}

void BirthyearWindow::TrackInputText() {
    const QString text = inputText->toPlainText();
    if (text.isEmpty() && InputChanged == 0) {
        return;
    }
    if (EditSide == 1 || EditSide == 2) {
        lengthLabel->setText(QString::number(BirthyearFile::storedLength(text)));
        (EditSide == 1 ? seriousText : lighterText)->setText(text);
    }
    const int palette = lengthLabel->text().toInt() > kWarningLength ? 4 : 1;
    lengthLabel->setStyleSheet("color: " + ColorNumber::palette(palette).name());
}

bool BirthyearWindow::NoteInputKey() {
    if (!inputSideLabel->text().isEmpty()) {
        InputChanged = 1;
        saveButton->setEnabled(true);
        saveAction->setEnabled(true);
        return true;
    }
    services_.dialogs.message({"First select 'Side' to input or edit data!", kInputTitle,
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    inputText->clear();
    seriousSideButton->setFocus(Qt::OtherFocusReason);
    return false;
}

// A save that fails says so and keeps the edits, their flag and the file as they were.
bool BirthyearWindow::SaveBirthYear() {
    if (ShownYear < BirthyearFile::kFirstYear || ShownYear > BirthyearFile::kLastYear) {
        return false;
    }
    program_.BusyPointer();
    const BirthyearFile::YearTexts texts{seriousText->text(), lighterText->text()};
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
    inputPanel->hide();
    inputButton->setEnabled(true);
    inputAction->setEnabled(true);
    exitButton->setEnabled(true);
    setYearBoxAndChartInTabOrder(true);
    inputAction->setVisible(true);
    for (QAction* item : {seriousSideAction, lighterSideAction, saveAction, closeInputAction}) {
        item->setVisible(false);
    }
    exitAction->setEnabled(true);
    closeCostChartAction->setVisible(false);
    costChartAction->setVisible(true);
    EditSide = 0;
    showStatus(kCaption);
}
