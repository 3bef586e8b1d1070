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

// The family a screen font prints in: the printer is asked for "Times New Roman" in place of the
// classic "MS Sans Serif" and "MS Serif", else for the font's own name; when it has no font of
// that name, for "Times New Roman"; when it has none of that either, the face the system matches
// to "Times New Roman" (one of Times' widths where it has one). A printer, or a PDF file where none
// is set up, prints the desktop's fonts.
QString printerFamilyFor(Printer& printer, const QString& screenFamily);

// Fills the print font from a window's screen font: PrintFontName becomes the family it prints in.
void applyDefaultPrintFont(PrintSettings& settings, Printer& printer, const QFont& screenFont,
                           const DefaultPrintFontRule& rule);
