#include "QuizRules.h"

#include "DrawWithoutRepeats.h"
#include "QuestionBank.h"
#include "Random.h"

std::optional<PreparedQuestion> prepareQuestion(const QString& question, const QString& answers,
                                                AnswerMode mode, Random& random) {
    const auto split = splitAnswers(answers);
    PreparedQuestion prepared;
    prepared.correct = (*split)[0];
    // Positions are dealt without repeats: answer k goes to the k-th position drawn.
    std::array<int, 5> taken{};
    for (int k = 0; k < 4; ++k) {
        const int position = drawUnused(taken, 4, random) - 1;
        prepared.dealt[std::size_t(position)] = (*split)[std::size_t(k)];
        if (k == 0) {
            prepared.correctPosition = position;
        }
    }
    const QChar first = question.isEmpty() ? QChar() : question.front();
    const int type = first.isDigit() ? first.digitValue() : 0;
    const QString rest = question.mid(1);
    if (mode == AnswerMode::MultipleChoice) {
        prepared.text = type > 0 ? rest : question;
        return prepared;
    }
    switch (type) {
    case 1:
        return std::nullopt;
    case 2:
    case 4:
        prepared.text = rest + QChar(13) + prepared.dealt[0] + ", " + prepared.dealt[1] + ", " +
                        prepared.dealt[2] + ", " + prepared.dealt[3];
        break;
    case 3:
        prepared.text = rest + QChar(13) + prepared.dealt[0];
        break;
    default:
        prepared.text = question;
    }
    return prepared;
}

std::optional<BoardLine> completedLine(const std::array<QString, 9>& captions, int cell) {
    const int column = cell % 3;
    const int row = 3 * (cell / 3);
    const BoardLine lines[] = {
        {column, column + 3, column + 6}, {row, row + 1, row + 2}, {0, 4, 8}, {2, 4, 6}};
    for (const BoardLine& line : lines) {
        const QString& first = captions[std::size_t(line[0])];
        if ((first == "X" || first == "O") && captions[std::size_t(line[1])] == first &&
            captions[std::size_t(line[2])] == first) {
            return line;
        }
    }
    return std::nullopt;
}

QString firstTurnAfter(const QString& turnPanelText) {
    return turnPanelText.startsWith(QLatin1String("Player X")) ? kTurnO : kTurnX;
}

std::array<int, 9> dealBoardTopics(const std::array<QString, 9>& captions, Random& random) {
    std::array<int, 9> topics{};
    std::array<int, 6> uses{};
    for (std::size_t cell = 0; cell < 9; ++cell) {
        if (captions[cell] == "X" || captions[cell] == "O") {
            continue;
        }
        // A topic used twice is full; drawUnused marks a topic full only on its second use.
        std::array<int, 6> full{};
        for (int t = 1; t <= 5; ++t) {
            full[std::size_t(t)] = uses[std::size_t(t)] >= 2 ? 1 : 0;
        }
        const int topic = drawUnused(full, 5, random);
        ++uses[std::size_t(topic)];
        topics[cell] = topic;
    }
    return topics;
}

QString topicCaption(int topic) {
    switch (topic) {
    case 1:
        return QStringLiteral("Bible\rQuestions");
    case 2:
        return QStringLiteral("TV-Show Biz Questions");
    case 3:
        return QStringLiteral("History\rQuestions");
    case 4:
        return QStringLiteral("Anything\rGoes");
    default:
        return QStringLiteral("Computer\rChooses");
    }
}
