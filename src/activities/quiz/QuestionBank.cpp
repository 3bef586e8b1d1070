#include "QuestionBank.h"

#include "DrawWithoutRepeats.h"
#include "FieldReader.h"

#include <QStringList>

#include <algorithm>

const QuestionFileLayout& questionFileLayout(QuizTopic topic) {
    static const QuestionFileLayout layouts[kQuizTopics] = {
        {"NTSCTXT.Fil", {60, 59, 59, 60}},
        {"OTTXT.Fil", {37, 37, 37, 38}},
        {"HISTXT.FIL", {44, 65, 45, 49}},
        {"DCTXT2.Fil", {51, 51, 54, 52}},
    };
    return layouts[int(topic) - 1];
}

std::optional<std::array<QString, 4>> splitAnswers(const QString& answers) {
    const QStringList parts = answers.split(u'*');
    // "*a*b*c*d*" splits into an empty text, the four answers and an empty text.
    if (parts.size() != 6 || !parts.front().isEmpty() || !parts.back().isEmpty()) {
        return std::nullopt;
    }
    std::array<QString, 4> split;
    for (int k = 0; k < 4; ++k) {
        if (parts[k + 1].isEmpty()) {
            return std::nullopt;
        }
        split[std::size_t(k)] = parts[k + 1];
    }
    return split;
}

std::optional<QuestionBank> QuestionBank::load(const QString& path,
                                               const std::array<int, kQuestionLevels>& capacity) {
    std::optional<FieldReader> reader = FieldReader::fromFile(path);
    if (!reader) {
        return std::nullopt;
    }
    QuestionBank bank;
    for (int level = 1; level <= kQuestionLevels; ++level) {
        Level& questions = bank.levels_[std::size_t(level - 1)];
        const bool endsAtEndRecord = level < kQuestionLevels;
        for (;;) {
            if (reader->atEnd()) {
                if (endsAtEndRecord) {
                    return std::nullopt; // the level's end record is missing
                }
                break;
            }
            const std::optional<QString> question = reader->next();
            const std::optional<QString> answers = reader->next();
            if (!question || !answers) {
                return std::nullopt;
            }
            if (endsAtEndRecord && *question == QLatin1String("END")) {
                break;
            }
            if (question->isEmpty() || !splitAnswers(*answers)) {
                return std::nullopt;
            }
            questions.questions.push_back({*question, *answers});
            if (int(questions.questions.size()) > capacity[std::size_t(level - 1)]) {
                return std::nullopt;
            }
        }
        if (questions.questions.empty()) {
            return std::nullopt;
        }
        questions.used.assign(questions.questions.size() + 1, 0);
    }
    return bank;
}

bool QuestionBank::canAskWithoutChoices(int level) const {
    const Level& questions = levels_[std::size_t(level - 1)];
    return std::any_of(questions.questions.begin(), questions.questions.end(),
                       [](const DrawnQuestion& q) { return !q.question.startsWith(u'1'); });
}

DrawnQuestion QuestionBank::draw(int level, Random& random,
                                 const std::function<void()>& levelUsedUp) {
    Level& questions = levels_[std::size_t(level - 1)];
    const int k = drawWithoutRepeats(questions.used, questions.drawn,
                                     int(questions.questions.size()), random, levelUsedUp);
    return questions.questions[std::size_t(k - 1)];
}

std::optional<QuestionBanks>
loadQuestionBanks(const std::function<QString(const QString&)>& folderFile) {
    QuestionBanks banks;
    for (int code = 1; code <= kQuizTopics; ++code) {
        const QuestionFileLayout& layout = questionFileLayout(QuizTopic(code));
        std::optional<QuestionBank> bank =
            QuestionBank::load(folderFile(QString::fromLatin1(layout.fileName)), layout.capacity);
        if (!bank) {
            return std::nullopt;
        }
        banks.topics[std::size_t(code - 1)] = std::move(*bank);
    }
    return banks;
}
