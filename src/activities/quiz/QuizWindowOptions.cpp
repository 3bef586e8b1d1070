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
    tickOnly(mOQ2Items, index);
}

void QuizWindow::ChooseTopicRule(int index) {
    tickOnly(mOTItems, index);
}

bool QuizWindow::topicsBetweenPlayers() const {
    return topicOptions_->selected() == 1;
}

void QuizWindow::ChooseDifficulty(int index) {
    DifficultyMode = index == 1 ? AnswerMode::None : AnswerMode::MultipleChoice;
    tickOnly(mOQ1Items, index);
    if (DifficultyMode == AnswerMode::None) {
        for (Panel3D* answer : Panel3D4) {
            answer->hide();
        }
        Panel3D7->setEnabled(true);
        Panel3D7->setCaption(
            "After Question is Displayed in Panel Above\r(Click Here or Press D to Display Correct "
            "Answer)");
    } else {
        const char* const waiting[] = {"Possible", "Answers Will", "Be Displayed", "Here"};
        for (int i = 0; i < 4; ++i) {
            Panel3D* answer = Panel3D4[std::size_t(i)];
            clearAnswerPanel(answer);
            answer->setCaption(waiting[i]);
            answer->show();
        }
        Panel3D7->setEnabled(false);
    }
    QuestionOpen = 0;
    Label2->hide();
    Panel3D3->setCaption(kNoQuestionShown);
}
