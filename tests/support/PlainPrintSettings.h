#pragma once

#include "PrintSettings.h"

#include <QString>

// The print font as a preview fills it: a family at a size, without effects, in black.
inline PrintSettings plainPrintSettings(const QString& family, double size) {
    PrintSettings settings;
    settings.PrintFontName = family;
    settings.PrintFontSize = QString::number(size);
    settings.PrintFontBold = false;
    settings.PrintFontItalic = false;
    settings.PrintFontUnderline = false;
    settings.PrintFontStrikethru = false;
    settings.PrintFontColour = qint32(0);
    return settings;
}
