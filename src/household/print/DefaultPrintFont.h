#pragma once

#include "PrintSettings.h"

#include <QFont>
#include <QString>

class Printer;

// What a window's preview takes from its screen font when it opens.
struct DefaultPrintFontRule {
    // The size text given to PrintFontSize when the screen font is one of the classic bitmap
    // fonts, which print as "Times New Roman"; empty to leave the size alone.
    QString sizeForClassicFonts;
    // Whether underline and strikethrough follow the screen font too, as bold and italic do.
    bool withLineEffects = false;
};

// Fills the print font from a window's screen font through the default printer: the printer is
// asked for "Times New Roman" in place of "MS Sans Serif" and "MS Serif", else for the font's own
// name; when it cannot use that, for "Times New Roman"; PrintFontName becomes the family the
// printer reports, or "Courier" when there is no printer to ask.
void applyDefaultPrintFont(PrintSettings& settings, Printer& printer, const QFont& screenFont,
                           const DefaultPrintFontRule& rule);
