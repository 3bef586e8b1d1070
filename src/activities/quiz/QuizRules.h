#pragma once

#include <QString>

#include <array>
#include <optional>

class Random;

// How the players answer: on four answer panels, or out loud and judged by themselves.
enum class AnswerMode { MultipleChoice, None };

// A drawn question made ready to show: its text, the correct answer and the four answers as
// dealt to the positions A to D.
struct PreparedQuestion {
    QString text;
    QString correct;
    std::array<QString, 4> dealt;
    int correctPosition = 0; // 0 to 3, A to D
};

// Deals the answers to A-D at random (the correct one to each position with equal chances) and
// makes the text the mode shows. The leading type digit decides in "None": 1 (the question needs
// its choices) cannot be asked there and gives nothing; 2 and 4 show the four answers after a line
// break, joined by ", "; 3 shows the answer at A alone; a question without a digit shows whole.
// In "Multiple Choice" a leading digit is dropped. answers must be a well-formed answers field.
std::optional<PreparedQuestion> prepareQuestion(const QString& question, const QString& answers,
                                                AnswerMode mode, Random& random);

// A choice is right only when its answer is exactly the correct answer, letter case included.
inline bool isRightChoice(const PreparedQuestion& question, int position) {
    return question.dealt[std::size_t(position)] == question.correct;
}

// The eight lines of the board in the order they are tested after a mark on cell: its column,
// its row, the diagonal 0-4-8 and the diagonal 2-4-6. The first complete one; nothing if none.
using BoardLine = std::array<int, 3>;
std::optional<BoardLine> completedLine(const std::array<QString, 9>& captions, int cell);

// The turn texts, and who begins the next game after the turn panel's text: O after an X win,
// X after anything else.
inline const QString kTurnX = QStringLiteral("Player X Select A Topic");
inline const QString kTurnO = QStringLiteral("Player O Select A Topic");
QString firstTurnAfter(const QString& turnPanelText);

// Topic codes 1 to 5 for the cells that hold no mark, each code on at most two of them; marked
// cells keep 0. Every draw goes through Random::between and is bounded.
std::array<int, 9> dealBoardTopics(const std::array<QString, 9>& captions, Random& random);

// The caption of a board topic 1 to 5, as the cell shows it.
QString topicCaption(int topic);
