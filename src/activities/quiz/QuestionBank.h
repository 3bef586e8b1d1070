#pragma once

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class Random;

// The four question topics in their code order; a board cell of topic 5 draws one of them.
enum class QuizTopic { Bible = 1, ShowBiz = 2, History = 3, Anything = 4 };
constexpr int kQuizTopics = 4;
constexpr int kQuestionLevels = 4;

// The question file of a topic and the most questions each of its levels may hold.
struct QuestionFileLayout {
    const char* fileName;
    std::array<int, kQuestionLevels> capacity;
};
const QuestionFileLayout& questionFileLayout(QuizTopic topic);

// One drawn question: the question field (its type digit first, when it has one) and the answers
// field, "*correct*wrong*wrong*wrong*".
struct DrawnQuestion {
    QString question;
    QString answers;
};

// All questions of one topic, level by level, with what has been drawn since each level last
// started over. A file is read whole when the window opens; nothing is written back.
class QuestionBank {
public:
    // Reads a question file: levels 1 to 3 each end at a record whose question is exactly "END",
    // level 4 runs to the end of the file. Nothing when the file is missing or unreadable, or when
    // a level holds no question or more than its capacity, a level ends without its end record,
    // a record lacks its answers field, or an answers field is not four non-empty answers between
    // asterisks.
    static std::optional<QuestionBank> load(const QString& path,
                                            const std::array<int, kQuestionLevels>& capacity);

    int count(int level) const { return int(levels_[std::size_t(level - 1)].questions.size()); }

    // Whether level 1 to 4 holds a question that can be asked without its choices (one whose type
    // digit is not 1).
    bool canAskWithoutChoices(int level) const;

    // A question of level 1 to 4 not drawn since the level last started over. When every one has
    // been drawn, levelUsedUp runs first and the level starts over.
    DrawnQuestion draw(int level, Random& random, const std::function<void()>& levelUsedUp);

private:
    struct Level {
        std::vector<DrawnQuestion> questions;
        std::vector<int> used; // element k: question k (from 1) drawn since the restart
        int drawn = 0;
    };
    std::array<Level, kQuestionLevels> levels_;
};

// The four topics' banks, read together when the quiz window opens.
struct QuestionBanks {
    std::array<QuestionBank, kQuizTopics> topics;
    QuestionBank& of(QuizTopic topic) { return topics[std::size_t(int(topic) - 1)]; }
};

// The four files of folderFile's folder; nothing when any of them does not load.
std::optional<QuestionBanks>
loadQuestionBanks(const std::function<QString(const QString&)>& folderFile);

// The four answers of a well-formed answers field, correct answer first; nothing when the field
// is not "*" + four non-empty answers each followed by "*".
std::optional<std::array<QString, 4>> splitAnswers(const QString& answers);
