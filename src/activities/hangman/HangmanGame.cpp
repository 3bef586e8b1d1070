#include "HangmanGame.h"

#include "DrawWithoutRepeats.h"
#include "Platform.h"
#include "ProgramState.h"

#include <cmath>

namespace {

// The figure is complete at its ninth stage; the tenth counted miss loses the word.
constexpr int kLastStage = HangmanBoard::kStages;
constexpr int kLostAt = 10;

} // namespace

HangmanGame::HangmanGame(ProgramState& program, Platform& platform, HangmanView& view)
    : program_(program), platform_(platform), view_(view) {}

QString HangmanGame::levelDescription(int index) {
    static const char* const sizes[] = {"4", "5", "6 or 7", "8 or 9", "10 or more"};
    if (index < 0 || index >= HangmanWordTable::kLevels) {
        return "Computer Randomly Selects from All Words";
    }
    return QString("Level %1 Word Level = %2 Letter Words").arg(index + 1).arg(sizes[index]);
}

int HangmanGame::penaltyStart(int level) {
    static constexpr int starts[] = {6, 6, 4, 2, 0};
    return starts[level - 1];
}

void HangmanGame::LoadWords() {
    board.slotVisible.fill(false);
    LoadHangmanWords(words);
    for (int level = 0; level < HangmanWordTable::kLevels; ++level) {
        WordUsed[std::size_t(level)].assign(
            std::size_t(HangmanWordTable::kTopIndex[std::size_t(level)] + 1), 0);
    }
}

void HangmanGame::ChooseWordLevel(int index) {
    WordLevelIndex = index;
    board.levelDescription = levelDescription(index);
    board.levelDescriptionVisible = true;
}

void HangmanGame::ChooseDisplayOrder(int index) {
    DisplayOrder = index;
}

void HangmanGame::HideLevelDescription() {
    board.levelDescriptionVisible = false;
}

void HangmanGame::StartNextWord() {
    view_.showCaption();
    board.figureTop = HangmanBoard::kFigureTop;
    board.ropeEnd = HangmanBoard::kRopeEndAtStart;
    ResetBoardForWord();
    board.menuStartVisible = false;
    board.menuNextVisible = true;
    board.menuNextEnabled = false;
    board.optionsEnabled = false;
    platform_.random.Randomize();
    board.levelDescriptionVisible = false;
    board.ropeVisible = true;
    view_.focusFigure();
    view_.yield();
    const int level = WordLevelIndex != kComputerSelects
                          ? WordLevelIndex + 1
                          : platform_.random.between(1, HangmanWordTable::kLevels);
    PickLevelWord(level);
    board.slotVisible.fill(false);
    board.slotColour.fill(HangmanBoard::kBlue);
    for (int i = 0; i < WordLength && i < HangmanBoard::kSlots; ++i) {
        board.slotVisible[std::size_t(i)] = true;
    }
    MissCount = 0;
    LettersFound = 0;
    LetterFound = 0;
    GuessBusy = 0;
    board.startCaption = "&Next";
    board.startEnabled = false;
}

void HangmanGame::PickLevelWord(int level) {
    const std::size_t index = std::size_t(level - 1);
    const int entry =
        drawWithoutRepeats(WordUsed[index], LevelWordsUsed[index],
                           HangmanWordTable::kWordCount[index], platform_.random, [this, level] {
                               HiddenWord = QString("Level %1").arg(level);
                               ShowWordsUsedMessage();
                           });
    HiddenWord = words.entry(level, entry);
    WordLength = int(HiddenWord.size());
    PenaltyCount = penaltyStart(level);
}

void HangmanGame::ShowWordsUsedMessage() {
    platform_.dialogs.message({"All " + HiddenWord +
                                   " Words have been used!\rThe program will "
                                   "begin using " +
                                   HiddenWord + " Words again.",
                               "Word Usage", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void HangmanGame::ResetBoardForWord() {
    board.graveVisible = false;
    board.bannerVisible = false;
    board.stageVisible.fill(false);
    board.gallowsVisible = true;
    board.figureTop = HangmanBoard::kFigureTop;
    board.letterEnabled.fill(true);
    board.letterColour.fill(HangmanBoard::kBlack);
    board.slotText.fill(QString());
    board.slotVisible.fill(false);
    board.message = "Please Click a Letter\ror Type a Letter.";
    board.messageColour = HangmanBoard::kBlue;
    StageShown.fill(0);
}

void HangmanGame::KeyToLetter(int code) {
    if (code >= 'a' && code <= 'z') {
        GuessLetter(code - 'a');
    }
}

void HangmanGame::GuessLetter(int index) {
    view_.yield();
    if (GuessBusy > 0 || index < 0 || index >= HangmanBoard::kLetters) {
        return;
    }
    if (!wordStarted()) {
        platform_.dialogs.message({"Please click Start to begin activity.", "Activity Start",
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        return;
    }
    if (!board.letterEnabled[std::size_t(index)] || LettersFound == WordLength) {
        return;
    }
    const QChar letter('A' + index);
    board.messageColour = HangmanBoard::kBlack;
    board.checkedLetterColour = HangmanBoard::kBlack;
    board.checkedLetter = letter;
    // One blink of the letter being checked.
    for (const bool visible : {true, false, true}) {
        board.checkedLetterVisible = visible;
        view_.paintNow();
    }
    view_.yield();
    board.letterEnabled[std::size_t(index)] = false;
    board.message = "CHECKING\rFOR";
    view_.paintNow();
    program_.PauseOneSecond();
    GuessBusy = 99;
    for (int i = 0; i < WordLength; ++i) {
        if (HiddenWord[i] == letter) {
            board.slotText[std::size_t(i)] = letter;
            LetterFound = 1;
            ++LettersFound;
        }
    }
    if (program_.CorrectSound != "99" && LetterFound == 1 && LettersFound < WordLength) {
        board.messageColour = HangmanBoard::kBlue;
        board.checkedLetterColour = HangmanBoard::kBlue;
        view_.yield();
        platform_.sound.beep();
        program_.PauseOneSecond();
    }
    view_.yield();
    GuessBusy = 0;
    evaluate();
    // Only a count that has just become 1, 3 or 5 counts the miss again; found letters leave the
    // count as it was, so they never repeat.
    while (PenaltyCount == 1 || PenaltyCount == 3 || PenaltyCount == 5) {
        evaluate();
    }
    board.checkedLetterVisible = false;
    LetterFound = 0;
}

void HangmanGame::evaluate() {
    if (LetterFound != 0 || LettersFound == WordLength) {
        board.message = "Very Good!!!\rAt Least One Letter\rWas Found!";
        board.messageColour = HangmanBoard::kBlue;
        if (LettersFound == WordLength) {
            board.checkedLetterVisible = false;
            view_.yield();
            GuessBusy = 99;
            ShowWordWon();
            view_.yield();
        }
        return;
    }
    ++MissCount;
    board.messageColour = HangmanBoard::kRed;
    board.checkedLetterColour = HangmanBoard::kRed;
    view_.yield();
    if (MissCount >= kLostAt) {
        board.checkedLetterVisible = false;
        view_.yield();
        board.message = "REALLY SORRY!!!!!\rThe Time Has Come!!!!!";
    } else {
        board.message = "SORRY!!!\rNo Matching Letters\rWere Found!";
        view_.paintNow();
        program_.PauseOneSecond();
    }
    drawStage();
    if (MissCount == kLostAt) {
        GuessBusy = 99;
        ShowWordLost();
        view_.yield();
    }
    ++PenaltyCount;
}

void HangmanGame::drawStage() {
    if (MissCount <= kLastStage) {
        RandomStage = drawUnused(StageShown, kLastStage, platform_.random);
    }
    const int stage = DisplayOrder == 0 ? MissCount : RandomStage;
    if (stage >= 1 && stage <= kLastStage) {
        board.stageVisible[std::size_t(stage)] = true;
    }
}

void HangmanGame::pacedYields(int ms, const std::function<void(double)>& step) {
    const QDateTime start = platform_.clock.now();
    const int frames = ms / kFrameMs;
    for (int frame = 1; frame <= frames; ++frame) {
        step(double(frame) / frames);
        view_.yield();
        platform_.clock.waitUntil(start.addMSecs(qint64(frame) * kFrameMs));
    }
}

void HangmanGame::ShowWordLost() {
    view_.paintNow();
    program_.PlayIncorrectSound();
    ++WordsWrong;
    board.wordsWrong = WordsWrong;
    view_.yield();
    for (int i = 0; i < WordLength && i < HangmanBoard::kSlots; ++i) {
        if (board.slotText[std::size_t(i)].isEmpty()) {
            const QChar letter = HiddenWord[i];
            board.slotColour[std::size_t(i)] = HangmanBoard::kRed;
            board.slotText[std::size_t(i)] = letter;
            const int button = letter.unicode() - 'A';
            if (button >= 0 && button < HangmanBoard::kLetters) {
                board.letterColour[std::size_t(button)] = HangmanBoard::kRed;
            }
        }
    }
    view_.focusFigure();
    for (const bool visible : {true, false, true}) {
        board.ropeVisible = visible;
        view_.paintNow();
    }
    view_.focusFigure();
    view_.yield();
    view_.focusFigure();
    // The figure sinks out of the gallows area in steps of 2 twips, the rope stretching behind.
    const int steps = (kDropEnd - 1 - int(HangmanBoard::kFigureTop)) / 2;
    pacedYields(kDropMs, [this, steps](double done) {
        const double y = HangmanBoard::kFigureTop + 2 * std::floor(done * steps);
        board.figureTop = y;
        board.ropeEnd = y;
    });
    view_.paintNow();
    program_.PauseTwoSeconds();
    board.gallowsVisible = false;
    board.graveVisible = true;
    board.message = "Click Next To Continue";
    board.messageColour = HangmanBoard::kBlue;
    EnableNextWord();
}

void HangmanGame::ShowWordWon() {
    board.message = "EXCELLENT!\rYou have Correctly Spelled the Word!";
    board.messageColour = HangmanBoard::kBlue;
    view_.paintNow();
    program_.PlayCorrectSound();
    program_.PauseOneSecond();
    for (const bool visible : {false, true, false}) {
        board.ropeVisible = visible;
        view_.paintNow();
    }
    view_.yield();
    view_.yield();
    ++WordsCorrect;
    board.wordsCorrect = WordsCorrect;
    board.stageVisible.fill(true);
    view_.yield();
    program_.PauseOneSecond();
    // The figure stays where it is for a moment, free.
    pacedYields(kWinDelayMs, [](double) {});
    board.gallowsVisible = false;
    switch (platform_.random.between(1, 5)) {
    case 1:
        board.bannerText = "Thank You!\rYou Saved\rMy Life!";
        break;
    case 2:
        board.bannerText = "Thank You!\rYou Are\rWonderful!";
        break;
    case 3:
        board.bannerText = "Thanks To You!\rA Good Man\rGoes Free!";
        break;
    default: // 4 and 5 keep the banner's text
        break;
    }
    board.bannerVisible = true;
    GuessBusy = 99;
    view_.paintNow();
    program_.PauseOneSecond();
    board.message = "Click Next To Continue";
    board.messageColour = HangmanBoard::kBlue;
    EnableNextWord();
}

void HangmanGame::EnableNextWord() {
    board.startEnabled = true;
    board.optionsEnabled = true;
    board.menuNextEnabled = true;
    view_.focusStart();
}

void HangmanGame::ResetHangmanState() {
    for (std::vector<QString>& list : words.words) {
        list.clear();
    }
    for (std::vector<int>& used : WordUsed) {
        used.clear();
    }
    StageShown.fill(0);
    WordLength = 0;
    words.LevelWordCount.fill(0);
    LettersFound = 0;
    LevelWordsUsed.fill(0);
    MissCount = 0;
    LetterFound = 0;
    GuessBusy = 0;
    WordsCorrect = 0;
    WordsWrong = 0;
    DisplayOrder = 0;
    RandomStage = 0;
    WordLevelIndex = 0;
    PenaltyCount = 0;
    HiddenWord.clear();
}
