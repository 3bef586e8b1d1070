// The quiz window's three options: question level, topic rule and answering mode.
#include "QuizWindow.h"

#include "ColorNumber.h"
#include "OptionGroup.h"
#include "Panel3D.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

namespace {

template <std::size_t N> void tickOnly(const std::array<QAction*, N>& items, int index) {
    for (std::size_t i = 0; i < N; ++i) {
        items[i]->setChecked(int(i) == index);
    }
}

} // namespace

void QuizWindow::ChooseQuestionLevel(int index) {
    QuestionLevel = index + 1;
    ComputerSelectsLevel = QuestionLevel == 5 ? 1 : 0;
    tickOnly(levelActions, index);
}

void QuizWindow::ChooseTopicRule(int index) {
    tickOnly(topicActions, index);
}

bool QuizWindow::topicsBetweenPlayers() const {
    return topicOptions_->selected() == 1;
}

void QuizWindow::ChooseDifficulty(int index) {
    DifficultyMode = index == 1 ? AnswerMode::None : AnswerMode::MultipleChoice;
    tickOnly(difficultyActions, index);
    if (DifficultyMode == AnswerMode::None) {
        for (Panel3D* answer : answerPanels) {
            answer->hide();
        }
        revealPanel->setEnabled(true);
        revealPanel->setCaption(
            "After Question is Displayed in Panel Above\r(Click Here or Press D to Display Correct "
            "Answer)");
    } else {
        const char* const waiting[] = {"Possible", "Answers Will", "Be Displayed", "Here"};
        for (int i = 0; i < 4; ++i) {
            Panel3D* answer = answerPanels[std::size_t(i)];
            clearAnswerPanel(answer);
            answer->setCaption(waiting[i]);
            answer->show();
        }
        revealPanel->setEnabled(false);
    }
    QuestionOpen = 0;
    longQuestionLabel->hide();
    questionPanel->setCaption(kNoQuestionShown);
}
