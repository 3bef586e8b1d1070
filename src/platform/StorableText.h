#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// The one rule for every text box whose text goes into a Windows-1252 file: a character the file
// cannot hold never shows. It enters as "?", as it would be saved, so that what the screen shows
// is what is saved, whichever way the text came in.
namespace StorableText {

// The text with each character that Windows-1252 cannot hold turned into one "?": a character
// beyond the 16-bit range (a surrogate pair, such as an emoji) is one character, and so is a
// lone surrogate left by a cut.
QString kept(const QString& text);

// Keeps a one-line box to the rule, after the box's own filter when it has one, for every way
// text enters it: keys, paste, the middle button's selection paste, a drop and an input method.
// The box's maximum length holds on all of them and counts the characters as they are kept, so
// that a text pasted, dropped or composed keeps as many as the same text typed; its textEdited
// signal reports each change.
void guard(QLineEdit& box, std::function<QString(const QString&)> filter = {});

} // namespace StorableText
