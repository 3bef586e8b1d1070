// The quiz window's board: Start, topics on the cells, choosing a cell, marks, lines and tallies.
#include "QuizWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "DisplayText.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "Random.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kCatWins = QStringLiteral("Sorry! The Cat Wins This Game!");

// Attempts at drawing a question that the "None" mode can ask before the cell gives up; a level
// with one askable question in a hundred still finds it.
constexpr int kDrawAttempts = 2000;

} // namespace

bool QuizWindow::xToPlay() const {
    return turnPanel->caption() == kTurnX;
}

std::array<QString, 9> QuizWindow::cellCaptions() const {
    std::array<QString, 9> captions;
    for (std::size_t i = 0; i < 9; ++i) {
        captions[i] = boardCells[i]->caption();
    }
    return captions;
}

void QuizWindow::showOnCell(int index, const QString& caption) {
    Panel3D* cell = boardCells[std::size_t(index)];
    const QString mark = caption == "X" || caption == "O" ? caption : QString("empty");
    // Named before the caption changes: the caption's change tells the new name and description
    // together.
    cell->setAccessibleName(
        QString("Row %1, column %2, %3").arg(index / 3 + 1).arg(index % 3 + 1).arg(mark));
    cell->setCaption(caption);
}

bool QuizWindow::moveAcrossBoard(int index, int key) {
    int row = index / 3;
    int column = index % 3;
    switch (key) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, 2);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, 2);
        break;
    default:
        return false;
    }
    boardCells[std::size_t(row * 3 + column)]->setFocus(Qt::OtherFocusReason);
    return true;
}

void QuizWindow::StartQuizGame() {
    showStatus(windowTitle());
    turnPanel->setForeColour(ColorNumber::palette(0));
    for (int i = 0; i < 9; ++i) {
        showOnCell(i, {});
    }
    for (Panel3D* answer : answerPanels) {
        answer->setCaption({});
        answer->setBackColour(systemDefaultColour());
    }
    setQuestionReachable(false);
    questionPanel->setCaption(kNoQuestionShown);
    longQuestionLabel->hide();
    revealPanel->setCaption({});
    turnPanel->setCaption(firstTurnAfter(turnPanel->caption()));
    ColourTurnPrompt();
    AssignBoardTopics();
    // Start hands the focus to Exit, where the answer keys go, before it is disabled.
    if (startButton->hasFocus()) {
        exitButton->setFocus(Qt::OtherFocusReason);
    }
    startButton->setEnabled(false);
    startAction->setEnabled(false);
    MarkCount = 0;
    AnswerClicks = 0;
}

void QuizWindow::AssignBoardTopics() {
    const std::array<int, 9> topics = dealBoardTopics(cellCaptions(), services_.random);
    for (std::size_t i = 0; i < 9; ++i) {
        if (topics[i] != 0) {
            boardCells[i]->setForeColour(ColorNumber::palette(0));
            boardCells[i]->setBackColour(systemDefaultColour());
            showOnCell(int(i), topicCaption(topics[i]));
        }
    }
}

void QuizWindow::ColourTurnPrompt() {
    turnPanel->setForeColour(ColorNumber::palette(xToPlay() ? 1 : 0));
}

void QuizWindow::ChooseCell(int index) {
    if (startButton->isEnabled()) {
        ShowClickPrompt();
        return;
    }
    Panel3D* cell = boardCells[std::size_t(index)];
    if (cell->caption() == "X" || cell->caption() == "O" ||
        CellState[std::size_t(CurrentCell)] == 1) {
        ShowClickPrompt();
        return;
    }
    const QColor before = cell->backColour();
    const int stateBefore = CellState[std::size_t(index)];
    cell->setBackColour(ColorNumber::palette(11));
    CellState[std::size_t(index)] = 1;
    AnswerClicks = 0;
    CurrentCell = index;
    setOptionsEnabled(false);
    verdictPanel->setCaption({});
    if (DifficultyMode == AnswerMode::MultipleChoice) {
        for (Panel3D* answer : answerPanels) {
            clearAnswerPanel(answer);
        }
    }
    verdictPanel->setForeColour(ColorNumber::palette(0));
    if (!drawQuestion()) {
        // Nothing of this topic and level can be asked without the choices: the cell is as it was.
        cell->setBackColour(before);
        CellState[std::size_t(index)] = stateBefore;
        setOptionsEnabled(true);
        return;
    }
    showQuestion();
}

bool QuizWindow::drawQuestion() {
    const QString cell = boardCells[std::size_t(CurrentCell)]->caption();
    for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
        int topic = 0;
        for (int t = 1; t <= 4; ++t) {
            if (cell == topicCaption(t)) {
                topic = t;
            }
        }
        if (topic == 0) {
            topic = services_.random.between(1, 4);
        }
        if (ComputerSelectsLevel == 1) {
            QuestionLevel = services_.random.between(1, 4);
        }
        QuestionBank& bank = banks_.of(QuizTopic(topic));
        const bool cellChoosesAgain = topic != 0 && cell == topicCaption(5);
        if (DifficultyMode == AnswerMode::None && !bank.canAskWithoutChoices(QuestionLevel) &&
            !cellChoosesAgain && ComputerSelectsLevel == 0) {
            break;
        }
        const int level = QuestionLevel;
        const DrawnQuestion drawn = bank.draw(level, services_.random, [this, level] {
            program_.AllDisplayedMessage(QString("Level %1 questions for this Topic").arg(level));
        });
        std::optional<PreparedQuestion> prepared =
            prepareQuestion(drawn.question, drawn.answers, DifficultyMode, services_.random);
        if (prepared) {
            question_ = *prepared;
            return true;
        }
    }
    services_.sound.beep();
    services_.dialogs.message(
        {QString("No Level %1 questions for this Topic can be asked").arg(QuestionLevel) +
             "\rwithout Multiple Choice.",
         "Activity Directions", Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
    return false;
}

void QuizWindow::showQuestion() {
    // A question this long does not fit the panel's caption; the label wraps it.
    constexpr int kLongQuestion = 255;
    if (question_.text.size() >= kLongQuestion) {
        questionPanel->setCaption({});
        longQuestionLabel->setText(QString(question_.text).replace(QChar(13), QChar('\n')));
        // The label grows with the lines of the question, as far as the panel holds them.
        longQuestionLabel->resize(
            longQuestionLabel->width(),
            std::min(longQuestionLabel->heightForWidth(longQuestionLabel->width()),
                     questionPanel->contentsRect().height()));
        longQuestionLabel->move(longQuestionLabel->x(),
                                questionPanel->height() / 2 - longQuestionLabel->height() / 2);
        longQuestionLabel->show();
    } else {
        longQuestionLabel->clear();
        longQuestionLabel->hide();
        questionPanel->setCaption(question_.text);
    }
    // The question is told with its choices as it appears, and each is reached by Tab.
    QStringList spoken{DisplayText::lines(question_.text)};
    const bool choices = DifficultyMode == AnswerMode::MultipleChoice;
    if (choices) {
        for (int i = 0; i < 4; ++i) {
            Panel3D* answer = answerPanels[std::size_t(i)];
            answer->setCaption(QString(QChar('A' + i)) + " - " + question_.dealt[std::size_t(i)]);
            answer->show();
            spoken.append(answer->shownText());
        }
    }
    Announcement::announce(*questionPanel, spoken.join('\n'));
    if (!choices) {
        revealPanel->setCaption("(Click Here or Press D to Display Correct Answer)");
    }
    setQuestionReachable(true);
    QuestionOpen = 1;
    QuestionAnswered = 0;
    judgedByPlayers_ = false;
    exitButton->setFocus(Qt::OtherFocusReason);
}

void QuizWindow::setQuestionReachable(bool reachable) {
    questionPanel->setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus);
    for (Panel3D* answer : answerPanels) {
        answer->setPressable(reachable && DifficultyMode == AnswerMode::MultipleChoice);
    }
}

void QuizWindow::setOptionsEnabled(bool enabled) {
    difficultyMenu->menuAction()->setEnabled(enabled);
    levelMenu->menuAction()->setEnabled(enabled);
    levelFrame->setEnabled(enabled);
    program_.SignalValue = enabled ? -1 : 0;
    EnableDifficultyFrame();
}

void QuizWindow::EnableDifficultyFrame() {
    difficultyFrame->setEnabled(program_.SignalValue != 0);
}

void QuizWindow::MarkCell() {
    ++MarkCount;
    Panel3D* cell = boardCells[std::size_t(CurrentCell)];
    const bool x = xToPlay();
    cell->setForeColour(ColorNumber::palette(x ? 1 : 0));
    showOnCell(CurrentCell, x ? "X" : "O");
    PassTurn();
    CheckForWinner();
}

void QuizWindow::PassTurn() {
    turnPanel->setCaption(xToPlay() ? kTurnO : kTurnX);
    ColourTurnPrompt();
}

void QuizWindow::CheckForWinner() {
    const std::array<QString, 9> captions = cellCaptions();
    const std::optional<BoardLine> line = completedLine(captions, CurrentCell);
    if (line) {
        for (int cell : *line) {
            boardCells[std::size_t(cell)]->setBackColour(ColorNumber::palette(12));
        }
        const bool x = captions[std::size_t((*line)[0])] == "X";
        turnPanel->setForeColour(ColorNumber::palette(x ? 1 : 0));
        turnPanel->setCaption(x ? "Player X Wins This Game!" : "Player O Wins This Game!");
        addToTally(x ? 0 : 1);
    } else if (MarkCount == 9) {
        for (Panel3D* cell : boardCells) {
            cell->setBackColour(ColorNumber::palette(13));
        }
        turnPanel->setForeColour(ColorNumber::palette(5));
        turnPanel->setCaption(kCatWins);
        addToTally(2);
    } else {
        return;
    }
    startButton->setEnabled(true);
    startAction->setEnabled(true);
}

void QuizWindow::addToTally(int index) {
    QLabel* tally = tallyCounts[std::size_t(index)];
    tally->setText(QString::number(tally->text().toInt() + 1));
}
