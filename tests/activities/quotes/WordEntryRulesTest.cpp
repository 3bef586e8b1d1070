#include "WordEntryRules.h"

#include <gtest/gtest.h>

using namespace WordEntryRules;

namespace {

const QString M(kMarker);

} // namespace

TEST(WordEntryHiding, EachGroupingHidesByLengthAndItsOwnPunctuation) {
    const struct {
        int grouping;
        const char* word;
        bool hidden;
    } cases[] = {
        {1, "A", true},
        {1, "THE", true},
        {1, "  TWO", true}, // leading blanks uncounted
        {1, "(THE", true},
        {1, "SUN:", true},
        {1, "SUN.", true},
        {1, "SUN,", true},
        {1, "SUN;", true},
        {1, "SUN-", false},
        {1, "SUNS", false},
        {1, "HOUSE", false},
        {2, "WORD", true},
        {2, "WORD,", true},
        {2, "WORD;", true},
        {2, "WORD-", true},
        {2, "WORD.", false},
        {2, "WORDS", false},
        {2, "(WORD", false},
        {35, "IT", false},
        {35, "THE", true},
        {35, "HOUSE", true},
        {35, "HOUSES", false},
        {35, "HOUSE,", true},
        {35, "HOUSE;", true},
        {35, "HOUSE.", true},
        {35, "HOUSE-", false},
        {5, "WORD", false},
        {5, "WORDS", true},
        {5, "WORD.", true},
        {5, "WORD,", false},
        {5, "WORD;", false},
        {5, "WORD-", false},
        {5, "LONGER", true},
        {6, "SIXSIX", true},
        {6, "SEVENTH", false},
        {6, "SEVENS,", true},
        {6, "SEVENS.", true},
        {6, "SEVENS;", true},
        {6, "SEVENS-", false},
        {6, "EIGHTEEN", false},
        {9, "A", true},
        {9, "EXTRAORDINARY", true},
        {1, "", false},
        {9, "", false},
        {9, "   ", false}, // nothing to type
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isHidden(c.word, c.grouping), c.hidden) << c.grouping << " " << c.word;
    }
}

TEST(WordEntryHiding, AHiddenWordShowsAMarkerPerCharacterAndAShownOneInCapitals) {
    EXPECT_EQ(startCaption("  the,", true), M + M + M + M);
    EXPECT_EQ(startCaption("Wisdom", false), "WISDOM");
}

TEST(WordEntryTyping, KeysFillMarkersFromTheLeftAndSayWhenTheWordIsFilled) {
    const struct {
        QString caption;
        QChar key;
        QString result;
        bool filled;
    } cases[] = {
        {M + M + M, 'T', "T" + M + M, false},
        {"TH" + M, 'E', "THE", true},
        {M, 'A', "A", true},              // a one-letter word is filled at once
        {"THE", 'A', "A" + M + M, false}, // a complete word is cleared first
        {"X", 'I', "I", true},
        {"T" + M + "E", 'H', "THE", false}, // the last character was typed already
    };
    for (const auto& c : cases) {
        const Typed typed = type(c.caption, c.key);
        EXPECT_EQ(typed.caption, c.result) << c.caption.toStdString();
        EXPECT_EQ(typed.wordFilled, c.filled) << c.caption.toStdString();
    }
}

TEST(WordEntryTyping, BackSpaceAndClearWordPutMarkersBack) {
    EXPECT_EQ(backSpace("TH" + M), "T" + M + M);
    EXPECT_EQ(backSpace("THE"), "TH" + M);
    EXPECT_EQ(backSpace("T" + M + "E"), "T" + M + M); // the last typed character, from the right
    EXPECT_EQ(backSpace(M + M), M + M);
    EXPECT_EQ(backSpace("A"), M);
    EXPECT_EQ(clearWord("A,B"), M + M + M); // punctuation is typed again too
    EXPECT_FALSE(colouredWhenTyped("A"));
    EXPECT_TRUE(colouredWhenTyped("A" + M));
}

TEST(WordEntryMoves, TheNextAndPreviousOpenBoxWrapAndStopWhereTheyStarted) {
    std::array<int, 71> open{};
    open[1] = 1;
    open[4] = 2; // counted wrong, still open
    EXPECT_EQ(nextOpen(open, 6, 1, 1), 4);
    EXPECT_EQ(nextOpen(open, 6, 4, 1), 1);
    EXPECT_EQ(nextOpen(open, 6, 1, -1), 4);
    EXPECT_EQ(nextOpen(open, 6, 0, -1), 4);
    open[4] = 0;
    EXPECT_EQ(nextOpen(open, 6, 1, 1), 1);
    open[1] = 0;
    EXPECT_EQ(nextOpen(open, 6, 1, 1), std::nullopt);
    EXPECT_EQ(nextOpen(open, 0, 0, 1), std::nullopt);
}

TEST(WordEntryKeys, PhysicalKeysMapToTheKeyboardOrToNothing) {
    using K = KeyAction;
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const struct {
        int key;
        int modifiers;
        K::Kind kind;
        int index;
    } cases[] = {
        {Qt::Key_A, none, K::Type, 0},
        {Qt::Key_Z, none, K::Type, 25},
        {Qt::Key_Comma, none, K::Type, 26},
        {Qt::Key_Semicolon, none, K::Type, 27},
        {Qt::Key_Period, none, K::Type, 28},
        {Qt::Key_Colon, shift, K::Type, 29},
        {Qt::Key_Apostrophe, none, K::Type, 30},
        {Qt::Key_Minus, none, K::Type, 31},
        {Qt::Key_ParenLeft, shift, K::Type, 32},
        {Qt::Key_ParenRight, shift, K::Type, 33},
        {Qt::Key_Backspace, none, K::BackSpace, -1},
        {Qt::Key_Space, none, K::Space, -1},
        {Qt::Key_Space, shift, K::Space, -1},
        {Qt::Key_A, shift, K::Ignore, -1},
        {Qt::Key_A, Qt::ControlModifier, K::Ignore, -1},
        {Qt::Key_A, Qt::AltModifier, K::Ignore, -1},
        {Qt::Key_Minus, Qt::KeypadModifier, K::Ignore, -1},
        {Qt::Key_Period, Qt::KeypadModifier, K::Ignore, -1},
        {Qt::Key_9, none, K::Ignore, -1},
        {Qt::Key_Question, shift, K::Ignore, -1},
        {Qt::Key_Exclam, shift, K::Ignore, -1},
        {Qt::Key_F2, none, K::Ignore, -1},
        {Qt::Key_Backspace, Qt::ControlModifier, K::Ignore, -1},
    };
    for (const auto& c : cases) {
        const KeyAction action = mapKey(c.key, c.modifiers);
        EXPECT_EQ(action.kind, c.kind) << std::hex << c.key << " " << c.modifiers;
        if (c.kind == K::Type) {
            EXPECT_EQ(action.keyIndex, c.index) << std::hex << c.key;
        }
    }
    EXPECT_EQ(keyCaption(0), "A");
    EXPECT_EQ(keyCaption(29), ":");
    EXPECT_EQ(keyCaption(33), ")");
}
