#pragma once

#include "RecordFile.h"

#include <QColor>
#include <QString>

// The general thought display's font as GColor2.Fil keeps it: record 2 the text colour number,
// 3 the font name, 4 the size as text ("14", "13.5"), 31 bold and 32 italic as True or False.
struct DisplayFont {
    QColor colour;
    QString name;
    double size = 14;
    bool bold = false;
    bool italic = false;
};

namespace DisplayFontRecords {

constexpr int kColour = 2;
constexpr int kName = 3;
constexpr int kSize = 4;
constexpr int kBold = 31;
constexpr int kItalic = 32;
// The size the records fall back on; a saved size outside what the font dialog offers is odd.
constexpr double kDefaultSize = 14;
constexpr double kSmallestSize = 1;
constexpr double kLargestSize = 999;

// Each record that is empty or odd gives its own fallback: black, the window's own name, bold and
// italic, and 14 points.
DisplayFont read(const RecordFile& file, const QString& ownName, bool ownBold, bool ownItalic);
// False when a record could not be written. A name too long for its record is not written and
// the record keeps its text.
bool write(RecordFile& file, const DisplayFont& font);

} // namespace DisplayFontRecords
