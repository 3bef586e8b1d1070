#pragma once

#include <QString>

#include <array>
#include <optional>

// The rules of word entry that need no window: which words a grouping hides, what the keys of the
// on-screen keyboard do to an entry box, and which physical key stands for which key.
namespace WordEntryRules {

// A hidden character shows as this marker until it is typed.
inline const QChar kMarker(0xA7);

struct Grouping {
    const char* caption; // the menu item
    int code;            // kept in EntryGrouping
    const char* text;    // shown in the banner and kept in PrintFontColour
};
// In menu order.
const std::array<Grouping, 6>& groupings();

// Whether grouping code hides a box's text; the length counts from the first non-blank.
bool isHidden(const QString& boxText, int grouping);
// The caption an entry box starts with: n markers for a hidden word, else the word in capitals.
QString startCaption(const QString& correctText, bool hidden);

struct Typed {
    QString caption;
    bool wordFilled = false; // the last marker was typed: the next entry box is due
};
// Key c typed into an entry box: a complete word is cleared first; the first marker is replaced.
Typed type(const QString& caption, QChar c);
// The last typed character becomes a marker again.
QString backSpace(const QString& caption);
// Every character becomes a marker again.
QString clearWord(const QString& caption);
// Whether the box's text colour turns blue as it is typed into (words of two or more characters).
bool colouredWhenTyped(const QString& caption);

// The open box after (step 1) or before (step -1) box from, wrapping round boxes 0 .. count - 1;
// from itself when it is the only open one, nothing when no box is open.
template <std::size_t N>
std::optional<int> nextOpen(const std::array<int, N>& entryState, int count, int from, int step) {
    for (int tried = 1; tried <= count; ++tried) {
        const int box = ((from + step * tried) % count + count) % count;
        if (entryState.at(std::size_t(box)) > 0) {
            return box;
        }
    }
    return std::nullopt;
}

// What a key pressed on a key of the on-screen keyboard does.
struct KeyAction {
    enum Kind { Ignore, Space, Type, BackSpace } kind = Ignore;
    int keyIndex = -1; // Type: the key of the keyboard, 0 "A" to 33 ")"
};
// qtKey and modifiers as a QKeyEvent gives them; the shifted characters arrive as their own keys
// (Shift+9 as Key_ParenLeft), so only they may carry Shift.
KeyAction mapKey(int qtKey, int modifiers);
// The caption of keyboard key index: "A" to "Z", then , ; . : ' - ( ).
QString keyCaption(int index);

} // namespace WordEntryRules
