#include "ToDoSpellCheck.h"
#include "AutoCorrectTable.h"
#include "FakePlatform.h"
#include "Services.h"
#include "SpellChecker.h"
#include "SpellingWords.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

// A checker whose checks are scripted: each check runs the next script, or finds nothing.
class ScriptedChecker : public ToDoItemChecker {
public:
    using Script = std::function<void(ScriptedChecker&)>;

    ScriptedChecker() {
        for (int slot = kFirstAutoCorrectPair; slot <= kLastAutoCorrectPair; ++slot) {
            addAutoCorrect(AutoCorrectTable[std::size_t(slot)].misspelling,
                           AutoCorrectTable[std::size_t(slot)].correction);
        }
    }

    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    bool check() override {
        checked << text_;
        changes_ = 0;
        if (!ready) {
            return false;
        }
        if (!scripts.empty()) {
            Script script = std::move(scripts.front());
            scripts.pop_front();
            script(*this);
        } else {
            run->CorrectedTextReady();
            run->CheckEnded(false);
        }
        return true;
    }
    int changeCount() const override { return changes_; }
    void addAutoCorrect(const QString& misspelling, const QString& correction) override {
        pairs.append({SpellingWords::capitals(misspelling), correction});
    }
    QList<AutoCorrectPair> autoCorrectEntries() const override { return pairs; }

    // Script steps: a misspelled word corrected to text (the run takes it), the auto-correct
    // action, and the end of the check.
    void correct(const QString& corrected) {
        run->MisspelledWordReported();
        text_ = corrected;
        ++changes_;
        run->CorrectedTextReady();
    }

    ToDoSpellCheck* run = nullptr;
    std::deque<Script> scripts;
    QStringList checked; // every text handed to a check
    QList<AutoCorrectPair> pairs;
    bool ready = true; // false: no dictionary

private:
    QString text_;
    int changes_ = 0;
};

class FakeGrid : public ToDoSpellingGrid {
public:
    FakeGrid() : items(ToDoSpellCheck::kRows) {}
    QString item(int row) const override { return items.at(row - 1); }
    void setItem(int row, const QString& text) override { items[row - 1] = text; }
    void makeCurrent(int row) override { current = row; }
    void setEditing(int setting) override { editing = setting; }
    QStringList names() const override { return list; }
    void setNames(const QStringList& names) override { list = names; }
    void saveNames(const QStringList& names) override {
        list = names;
        savedNames.append(names);
        entryBoxCleared = true;
    }
    void markChanged() override { changed = true; }
    void showStatus(const QString& text) override { status = text; }
    QString caption() const override { return "To Do List"; }

    QStringList items;
    QStringList list;
    QList<QStringList> savedNames;
    bool entryBoxCleared = false;
    bool changed = false;
    int current = 0;
    int editing = -1;
    QString status;
};

const QString kNothingChanged =
    "Spelling Check did not change or did not find any misspelled words!";
const QString kEnded = "Spelling Check has been canceled or has reached the end of your entries";

class ToDoSpellCheckTest : public ::testing::Test {
protected:
    ToDoSpellCheckTest() { checker.run = &run; }

    QStringList messages() const {
        QStringList texts;
        for (const auto& shown : fake.dialogs.shown) {
            texts << shown.text;
        }
        return texts;
    }

    FakePlatform fake;
    Services services{fake.platform};
    ScriptedChecker checker;
    FakeGrid grid;
    ToDoSpellCheck run{services, checker, grid};
};

TEST_F(ToDoSpellCheckTest, ACleanGridChecksEveryRowAndSaysNothingChanged) {
    grid.items[0] = "Call the bank";
    grid.items[2] = "Pay the rent";
    run.SpellCheckItems();
    ASSERT_EQ(checker.checked.size(), 500) << "empty rows are checked too";
    EXPECT_EQ(checker.checked.at(2), "Pay the rent");
    EXPECT_EQ(messages(), QStringList{kNothingChanged});
    EXPECT_EQ(fake.dialogs.shown.last().title, "Spelling Check");
    EXPECT_EQ(services.program.SignalValue, 0);
    EXPECT_EQ(grid.editing, 2);
    EXPECT_EQ(grid.status, "To Do List");
    EXPECT_FALSE(grid.changed);
}

TEST_F(ToDoSpellCheckTest, CancelOnTheFirstRowEndsTheRun) {
    grid.items[0] = "Cal the bank";
    grid.items[1] = "Wash teh car";
    checker.scripts.push_back([this](ScriptedChecker&) {
        run.MisspelledWordReported();
        EXPECT_EQ(grid.editing, 1) << "editing on while the word shows";
        run.CheckEnded(true);
    });
    run.SpellCheckItems();
    EXPECT_EQ(checker.checked, QStringList{"Cal the bank"});
    EXPECT_EQ(grid.items[1], "Wash teh car");
    EXPECT_EQ(messages(), QStringList{kEnded});
    EXPECT_EQ(services.program.SignalValue, 0);
}

TEST_F(ToDoSpellCheckTest, WithoutADictionaryTheRowsKeepTheirTextAndTheRunStops) {
    grid.items[0] = "Cal the bank";
    checker.ready = false;
    run.SpellCheckItems();
    EXPECT_EQ(checker.checked.size(), 1);
    EXPECT_EQ(grid.items[0], "Cal the bank");
    EXPECT_TRUE(messages().isEmpty()) << "the checker has said why";
    EXPECT_EQ(grid.editing, 2);
}

// A corrected item is cut to 25 characters; the remembered names drop the old text and take the
// new one unless it is a known name already.
TEST_F(ToDoSpellCheckTest, CorrectionsAreCutAndTheNamesFollow) {
    struct Case {
        QStringList names;
        QString corrected;
        QStringList namesAfter;
        bool fileWritten;
    };
    const Case cases[] = {
        {{"Pay rent", "cal THE bank  ", "Walk dog"},
         "Call the bank manager about the loan",
         {"Pay rent", "Walk dog", "Call the bank manager abo"},
         true},
        {{"Cal the bank", "Walk dog"}, "walk dog", {"Walk dog"}, false},
        {{"Walk dog"}, "Call the bank", {"Walk dog", "Call the bank"}, true},
    };
    for (const Case& c : cases) {
        FakeGrid grid;
        ScriptedChecker checker;
        ToDoSpellCheck run{services, checker, grid};
        checker.run = &run;
        grid.items[1] = "Cal the bank";
        grid.list = c.names;
        checker.scripts.push_back([](ScriptedChecker&) {}); // row 1
        checker.scripts.push_back([&](ScriptedChecker& self) {
            self.correct(c.corrected);
            run.CheckEnded(false);
        });
        run.SpellCheckItems();
        EXPECT_EQ(grid.items[1], c.corrected.left(25));
        EXPECT_EQ(grid.list, c.namesAfter);
        EXPECT_EQ(grid.savedNames.size(), c.fileWritten ? 1 : 0) << c.corrected.toStdString();
        EXPECT_EQ(grid.entryBoxCleared, c.fileWritten);
        EXPECT_TRUE(grid.changed);
    }
    EXPECT_EQ(messages(), QStringList(3, kEnded));
}

// Auto-correct chosen on row 2: the table's pairs reach rows 3 to 500 as whole words, and the run
// starts again at row 1.
TEST_F(ToDoSpellCheckTest, AutoCorrectSpreadsBelowAndTheRunStartsAgain) {
    const QStringList before = {"Buy milk",       "Teh end",           "Call teh bank",
                                "see teh, then",  "alot of work",      "",
                                "i said i would", "  their are two  ", "Alot Teh teh"};
    for (int i = 0; i < before.size(); ++i) {
        grid.items[i] = before.at(i);
    }
    checker.scripts.push_back([](ScriptedChecker&) {});
    checker.scripts.push_back([this](ScriptedChecker& self) {
        run.AutoCorrectChosen(SpellChecker::kAutoCorrectAction);
        self.correct("The end");
        run.CheckEnded(false);
    });
    run.SpellCheckItems();
    const QStringList expected = {"Buy milk",       "The end",       "Call the bank",
                                  "see teh, then",  "a lot of work", "",
                                  "i said i would", "there are two", "A lot The the"};
    EXPECT_EQ(grid.items.mid(0, 9), expected);
    ASSERT_EQ(checker.checked.size(), 2 + 500) << "row 1 again after the pass";
    EXPECT_EQ(checker.checked.at(2), "Buy milk");
    EXPECT_EQ(checker.checked.at(3), "The end");
    EXPECT_EQ(checker.pairs.last().misspelling, "THEEND1");
    EXPECT_EQ(run.AutoCorrectUsed, 0);
    EXPECT_TRUE(grid.changed);
    EXPECT_EQ(messages(), QStringList{kEnded});
}

TEST_F(ToDoSpellCheckTest, CancelAfterAutoCorrectStillSpreadsAndStartsAgain) {
    grid.items[0] = "Wash teh car";
    grid.items[1] = "Feed teh cat";
    checker.scripts.push_back([this](ScriptedChecker&) {
        run.AutoCorrectChosen(SpellChecker::kAutoCorrectAction);
        run.AutoCorrectChosen(2); // another action changes nothing
        run.CheckEnded(true);
    });
    run.SpellCheckItems();
    EXPECT_EQ(grid.items[0], "Wash teh car") << "the row checked is not spread over";
    EXPECT_EQ(grid.items[1], "Feed the cat");
    EXPECT_EQ(checker.checked.size(), 501);
}

TEST_F(ToDoSpellCheckTest, HelpShowsTheItemCheckTopic) {
    checker.scripts.push_back([this](ScriptedChecker&) {
        run.HelpRequested();
        run.CheckEnded(true);
    });
    run.SpellCheckItems();
    EXPECT_EQ(fake.help.topics, QList<int>{5050});
}

} // namespace
