#include "HangmanGame.h"
#include "FakePlatform.h"
#include "ProgramState.h"

#include <QSet>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The window's side of the game, recording the message of every paint the game asks for.
class RecordingView : public HangmanView {
public:
    explicit RecordingView(const HangmanBoard& board) : board_(board) {}

    void yield() override {
        if (atYield) {
            atYield();
        }
    }
    void paintNow() override { painted.append(board_.message); }
    void focusFigure() override {}
    void focusStart() override {}
    void showCaption() override {}

    QStringList painted; // the message at every paint the game asked for
    std::function<void()> atYield;

private:
    const HangmanBoard& board_;
};

class HangmanGameTest : public ::testing::Test {
protected:
    HangmanGameTest() {
        program.CorrectSound = "Right.wav";
        program.IncorrectSound = "Wrong.wav";
        game.LoadWords();
    }

    // The next word draw at this level gives entry k.
    void drawEntry(int level, int k) {
        fake.random.draws.push_back((k - 0.5) /
                                    HangmanWordTable::kWordCount[std::size_t(level - 1)]);
    }

    // Starts a word of a level (1 to 5) from entry k.
    void startWord(int level, int k) {
        game.ChooseWordLevel(level - 1);
        drawEntry(level, k);
        game.StartNextWord();
        ASSERT_EQ(game.HiddenWord, game.words.entry(level, k));
    }

    void guess(char letter) { game.GuessLetter(letter - 'A'); }

    int stagesShown() const {
        int shown = 0;
        for (int stage = 1; stage <= HangmanBoard::kStages; ++stage) {
            shown += game.board.stageVisible[std::size_t(stage)] ? 1 : 0;
        }
        return shown;
    }

    FakePlatform fake;
    ProgramState program{fake.platform};
    RecordingView view{game.board};
    HangmanGame game{program, fake.platform, view};
};

const QString kSorry = "SORRY!!!\rNo Matching Letters\rWere Found!";
const QString kTimeHasCome = "REALLY SORRY!!!!!\rThe Time Has Come!!!!!";

TEST_F(HangmanGameTest, HarderLevelsCountTheFirstWrongLettersTwice) {
    const struct {
        int level;
        int entry;
        const char* wrongLetters;
        int stagesAfterFirst; // and "SORRY!!!" messages
    } levels[] = {
        {1, 1, "BEFGHJKLMN", 1}, // ACID
        {2, 1, "BCDGHJKLMN", 1}, // AFTER
        {3, 10, "BDEFGIJKL", 2}, // ANCHOR
        {4, 1, "BDFGHJKL", 2},   // ACOUSTIC
        {5, 6, "CDFGJKN", 2},    // AUTOMOBILE
    };
    for (const auto& l : levels) {
        startWord(l.level, l.entry);
        view.painted.clear();
        guess(l.wrongLetters[0]);
        EXPECT_EQ(stagesShown(), l.stagesAfterFirst) << l.level;
        EXPECT_EQ(view.painted.count(kSorry), l.stagesAfterFirst) << l.level;
        EXPECT_EQ(game.MissCount, l.stagesAfterFirst) << l.level;
        int wrong = 1;
        while (game.MissCount < 10 && wrong < int(qstrlen(l.wrongLetters))) {
            guess(l.wrongLetters[wrong++]);
        }
        EXPECT_EQ(wrong, int(qstrlen(l.wrongLetters))) << l.level; // lost at the last of them
        EXPECT_EQ(game.MissCount, 10) << l.level;
        EXPECT_TRUE(view.painted.contains(kTimeHasCome)) << l.level;
        EXPECT_EQ(stagesShown(), 9) << l.level; // in order, the tenth miss draws nothing
        EXPECT_EQ(game.WordsWrong, l.level) << l.level;
        EXPECT_EQ(game.board.wordsWrong, l.level) << l.level;
        // The missing letters show in red, and so do their buttons.
        const QString word = game.HiddenWord;
        for (int i = 0; i < word.size(); ++i) {
            EXPECT_EQ(game.board.slotText[std::size_t(i)], word.mid(i, 1)) << l.level;
            EXPECT_EQ(game.board.slotColour[std::size_t(i)], HangmanBoard::kRed) << l.level;
            EXPECT_EQ(game.board.letterColour[std::size_t(word[i].unicode() - 'A')],
                      HangmanBoard::kRed);
        }
        EXPECT_TRUE(game.board.graveVisible);
        EXPECT_FALSE(game.board.gallowsVisible);
        EXPECT_EQ(game.board.figureTop, 9499); // the figure has dropped out of the gallows
        EXPECT_EQ(game.board.message, "Click Next To Continue");
        EXPECT_TRUE(game.board.startEnabled);
        EXPECT_TRUE(game.board.optionsEnabled);
        // After the word, letters do nothing until Next.
        guess('A');
        EXPECT_EQ(game.MissCount, 10);
        EXPECT_TRUE(game.board.letterEnabled[0]);
    }
    EXPECT_EQ(fake.sound.played.count("Wrong.wav"), 5);
}

TEST_F(HangmanGameTest, ADoubledLetterFillsBothSlotsAndTheWordIsWon) {
    startWord(1, 30); // DATA
    guess('A');
    EXPECT_EQ(game.LettersFound, 2);
    EXPECT_EQ(game.board.slotText[1], "A");
    EXPECT_EQ(game.board.slotText[3], "A");
    EXPECT_TRUE(game.board.slotText[0].isEmpty());
    EXPECT_EQ(game.MissCount, 0);
    EXPECT_EQ(game.PenaltyCount, 6); // found letters never move the penalty
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    guess('A'); // tried already: nothing
    EXPECT_EQ(game.LettersFound, 2);
    guess('D');
    fake.random.draws = {0.1}; // banner text 1
    guess('T');
    EXPECT_EQ(game.WordsCorrect, 1);
    EXPECT_EQ(game.board.wordsCorrect, 1);
    // The completing letter does not beep; the correct sound plays once.
    EXPECT_EQ(fake.sound.played, (QStringList{FakeSound::kBeep, FakeSound::kBeep, "Right.wav"}));
    EXPECT_EQ(stagesShown(), 9); // the whole figure, freed
    EXPECT_TRUE(game.board.bannerVisible);
    EXPECT_EQ(game.board.bannerText, "Thank You!\rYou Saved\rMy Life!");
    EXPECT_EQ(game.board.message, "Click Next To Continue");
    EXPECT_EQ(game.GuessBusy, 99);

    // A draw of 4 or 5 keeps the banner's text; with the correct sound off no letter beeps.
    program.CorrectSound = "99";
    fake.sound.played.clear();
    startWord(1, 32); // the list's other DATA
    for (const char letter : {'D', 'A'}) {
        guess(letter);
    }
    fake.random.draws = {0.9};
    guess('T');
    EXPECT_EQ(game.board.bannerText, "Thank You!\rYou Saved\rMy Life!");
    EXPECT_EQ(fake.sound.played.count(FakeSound::kBeep), 0);
}

TEST_F(HangmanGameTest, RandomStagesComeWithoutRepeatsUntilTheFigureIsWhole) {
    game.ChooseDisplayOrder(1);
    startWord(1, 1); // ACID
    QList<int> order;
    for (const char letter : {'B', 'E', 'F', 'G', 'H', 'J', 'K', 'L', 'M'}) {
        // Every draw first comes up stage 5 again, then the stage the test wants.
        const int wanted = 9 - int(order.size());
        fake.random.draws = {(5 - 0.5) / 9, (wanted - 0.5) / 9};
        guess(letter);
        order.append(game.RandomStage);
    }
    EXPECT_EQ(order.first(), 5);
    EXPECT_EQ(QSet<int>(order.begin(), order.end()).size(), 9);
    EXPECT_EQ(stagesShown(), 9);
    guess('N'); // the tenth miss draws nothing new
    EXPECT_EQ(stagesShown(), 9);
    EXPECT_EQ(game.WordsWrong, 1);
}

TEST_F(HangmanGameTest, EveryWordOfALevelComesOnceThenWordUsageStartsItOver) {
    QSet<QString> drawn;
    for (int i = 0; i < HangmanWordTable::kWordCount[0]; ++i) {
        game.PickLevelWord(1);
        drawn.insert(QString::number(game.WordUsed[0].size()) + game.HiddenWord);
    }
    EXPECT_EQ(game.LevelWordsUsed[0], 174);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    // Level 2 keeps its own count.
    game.PickLevelWord(2);
    EXPECT_EQ(game.LevelWordsUsed[1], 1);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    game.PickLevelWord(1);
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Word Usage");
    EXPECT_EQ(fake.dialogs.shown[0].text, "All Level 1 Words have been used!\rThe program will "
                                          "begin using Level 1 Words again.");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(game.LevelWordsUsed[0], 1);
    EXPECT_EQ(game.LevelWordsUsed[1], 1);
    // Every entry came once: each word repeated in the list (DATA, RAKE) was drawn twice.
    int used = 0;
    for (int flag : game.WordUsed[0]) {
        used += flag;
    }
    EXPECT_EQ(used, 1);
}

TEST_F(HangmanGameTest, ComputerSelectsDrawsTheLevelAndItsPenaltyForEachWord) {
    game.ChooseWordLevel(HangmanGame::kComputerSelects);
    EXPECT_EQ(game.board.levelDescription, "Computer Randomly Selects from All Words");
    const struct {
        int level;
        int penalty;
    } words[] = {{5, 0}, {3, 4}, {1, 6}};
    for (const auto& w : words) {
        fake.random.draws = {(w.level - 0.5) / 5};
        drawEntry(w.level, 1);
        game.StartNextWord();
        EXPECT_EQ(game.HiddenWord, game.words.entry(w.level, 1));
        EXPECT_EQ(game.PenaltyCount, w.penalty);
        EXPECT_EQ(game.LevelWordsUsed[std::size_t(w.level - 1)], 1);
    }
    game.ChooseWordLevel(2);
    EXPECT_EQ(game.board.levelDescription, "Level 3 Word Level = 6 or 7 Letter Words");
}

TEST_F(HangmanGameTest, OnlySmallLettersGuessAndNothingBeforeTheFirstWord) {
    game.KeyToLetter('a');
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Activity Start");
    EXPECT_EQ(fake.dialogs.shown[0].text, "Please click Start to begin activity.");
    startWord(1, 1); // ACID
    for (const int code : {int('A'), int('Z'), int('1'), int(' '), 96, 123}) {
        game.KeyToLetter(code);
    }
    EXPECT_EQ(game.board.letterEnabled, HangmanBoard().letterEnabled);
    game.KeyToLetter('a');
    game.KeyToLetter('z');
    EXPECT_FALSE(game.board.letterEnabled[0]);
    EXPECT_FALSE(game.board.letterEnabled[25]);
    EXPECT_EQ(game.LettersFound, 1);
    EXPECT_EQ(game.MissCount, 1);
}

TEST_F(HangmanGameTest, ALetterArrivingWhileAnotherIsCheckedIsIgnored) {
    startWord(1, 1); // ACID
    bool inside = false;
    view.atYield = [&] {
        // A letter arriving at the check's yields, after the search has begun.
        if (game.GuessBusy == 99 && !inside) {
            inside = true;
            guess('C');
        }
    };
    guess('A');
    EXPECT_TRUE(inside);
    EXPECT_TRUE(game.board.letterEnabled[2]); // C was not taken
    EXPECT_EQ(game.LettersFound, 1);
}

} // namespace
