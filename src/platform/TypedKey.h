#pragma once

class QKeyEvent;

// The character code a key types, as the classic key-press handlers received it: 8 Backspace,
// 13 Enter, 32 and above for printable characters; 0 for keys that type nothing (arrows, Esc,
// Delete, Tab, keys with only a modifier).
int typedCharacterCode(const QKeyEvent& key);
