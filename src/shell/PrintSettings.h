#pragma once

#include <QString>
#include <QtGlobal>

#include <variant>

// A program-wide value that holds whatever was last put in it (a text, a number or a boolean);
// each reader converts it to what it needs.
using SharedValue = std::variant<std::monostate, bool, qint32, float, QString>;

// The one print font of the program run: empty at start, never saved. A window that prints fills
// it before its first preview; the other windows set the two effects False at load, and some keep
// scratch values of their own in the colour.
struct PrintSettings {
    SharedValue PrintFontName;
    SharedValue PrintFontSize; // points
    SharedValue PrintFontBold;
    SharedValue PrintFontItalic;
    SharedValue PrintFontUnderline;
    SharedValue PrintFontStrikethru;
    SharedValue PrintFontColour; // a colour number
};
