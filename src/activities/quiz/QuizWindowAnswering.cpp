// The quiz window's answering: choices by click or key, the verdict, and the self-judged mode.
#include "QuizWindow.h"

#include "ColorNumber.h"
#include "Panel3D.h"
#include "PanelColours.h"

#include <QMenu>
#include <QPushButton>

void QuizWindow::clearAnswerPanel(Panel3D* panel) {
    panel->setBackColour(systemDefaultColour());
    panel->setForeColour(ColorNumber::palette(0));
    panel->setAnswerMark(false);
}

void QuizWindow::KeyToChoice(int code) {
    const int position = code - 'A';
    if (position < 0 || position > 3 || (DifficultyMode == AnswerMode::None && position != 3)) {
        return;
    }
    ClickChoice(position);
}

void QuizWindow::ClickChoice(int position) {
    if (questionPanel->caption() == kNoQuestionShown) {
        ShowClickPrompt();
        return;
    }
    ++AnswerClicks;
    JudgeChoice(position);
}

void QuizWindow::JudgeChoice(int position) {
    if (position == 3 && DifficultyMode == AnswerMode::None && QuestionAnswered == 0) {
        QuestionAnswered = 1;
        RevealAnswer();
        return;
    }
    if (yesNoButtons[0]->isVisible() && DifficultyMode == AnswerMode::None) {
        return;
    }
    if (AnswerClicks > 1) {
        ShowClickPrompt();
    }
    if (QuestionAnswered == 1 || QuestionOpen == 0) {
        return;
    }
    QuestionAnswered = 1;
    boardCells[std::size_t(CurrentCell)]->setBackColour(systemDefaultColour());
    CellState[std::size_t(CurrentCell)] = 2;
    Panel3D* chosen = answerPanels[std::size_t(position)];
    if (isRightChoice(question_, position)) {
        program_.CorrectSoundTest = 1;
        chosen->setBackColour(ColorNumber::palette(1));
        chosen->setForeColour(ColorNumber::palette(15));
        verdictPanel->setForeColour(ColorNumber::palette(1));
        verdictPanel->setCaption("That is Correct!");
        MarkCell();
    } else {
        program_.CorrectSoundTest = 0;
        program_.NoDropPointer();
        Panel3D* correct = answerPanels[std::size_t(question_.correctPosition)];
        correct->setAnswerMark(true);
        correct->setBackColour(ColorNumber::palette(1));
        correct->setForeColour(ColorNumber::palette(15));
        chosen->setBackColour(ColorNumber::palette(4));
        chosen->setForeColour(ColorNumber::palette(7));
        verdictPanel->setForeColour(ColorNumber::palette(4));
        // The verdict is heard before the turn it passes.
        verdictPanel->setCaption("  Incorrect!  Correct Answer is: \r" + question_.correct);
        PassTurn();
    }
    if (topicsBetweenPlayers()) {
        AssignBoardTopics();
    }
    setOptionsEnabled(true);
    finishVerdict();
    focusNextMove();
}

void QuizWindow::finishVerdict() {
    const bool wrong = program_.CorrectSoundTest != 1;
    if (wrong) {
        program_.PlayIncorrectSound();
    } else {
        program_.PlayCorrectSound();
    }
    program_.CorrectSoundTest = 0;
    // A beep or silence is over at once: the no-drop pointer then stays a second to be seen.
    if (wrong && (program_.IncorrectSound == "99" || program_.IncorrectSound == "10")) {
        program_.PauseOneSecond();
    }
    program_.NormalPointer();
}

void QuizWindow::RevealAnswer() {
    if (questionPanel->caption() == kNoQuestionShown || startButton->isEnabled()) {
        ShowClickPrompt();
        return;
    }
    if (yesNoButtons[0]->isVisible()) {
        ShowYesNoPrompt();
        return;
    }
    if (judgedByPlayers_) {
        return;
    }
    if (DifficultyMode == AnswerMode::None) {
        yesAction->setVisible(true);
        noAction->setVisible(true);
    }
    revealPanel->setCaption("The Correct Answer Is:\r" + question_.correct +
                            "\rWas Your Answer Correct?");
    for (QPushButton* button : yesNoButtons) {
        button->show();
    }
    yesNoButtons[0]->setFocus(Qt::OtherFocusReason);
}

void QuizWindow::SelfJudge(int answer) {
    yesAction->setVisible(false);
    noAction->setVisible(false);
    if (judgedByPlayers_ || !yesNoButtons[0]->isVisible()) {
        return;
    }
    judgedByPlayers_ = true;
    for (QPushButton* button : yesNoButtons) {
        button->hide();
    }
    boardCells[std::size_t(CurrentCell)]->setBackColour(systemDefaultColour());
    CellState[std::size_t(CurrentCell)] = 2;
    revealPanel->setCaption("The Correct Answer Is:\r" + question_.correct + "\r ");
    if (answer == 1) {
        program_.PlayIncorrectSound();
        PassTurn();
    } else {
        program_.PlayCorrectSound();
        MarkCell();
    }
    setOptionsEnabled(true);
    if (topicsBetweenPlayers()) {
        AssignBoardTopics();
    }
    focusNextMove();
}

void QuizWindow::focusNextMove() {
    // A keyboard goes on from the cell just played, or from Start once the game is over.
    QWidget* next = startButton->isEnabled() ? static_cast<QWidget*>(startButton)
                                             : boardCells[std::size_t(CurrentCell)];
    next->setFocus(Qt::OtherFocusReason);
}

void QuizWindow::ShowClickPrompt() {
    showDirections(QString("Please Click ") + (startButton->isEnabled() ? "Start" : "Topic") +
                   " to Continue");
}

void QuizWindow::ShowYesNoPrompt() {
    showDirections("Please select Yes or No to Continue");
}

void QuizWindow::showDirections(const QString& text) {
    services_.sound.beep();
    services_.dialogs.message(
        {text, "Activity Directions", Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
}
