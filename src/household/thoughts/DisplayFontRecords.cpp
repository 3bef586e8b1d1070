#include "DisplayFontRecords.h"

#include "ColorNumber.h"
#include "PanelColours.h"
#include "SettingsFile.h"

#include <optional>

namespace DisplayFontRecords {

namespace {

std::optional<bool> booleanOf(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare("True", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare("False", Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool isNumber = false;
    const double number = word.toDouble(&isNumber);
    return isNumber ? std::optional<bool>(number != 0) : std::nullopt;
}

QString wordOf(bool value) {
    return value ? "True" : "False";
}

} // namespace

DisplayFont read(const RecordFile& file, const QString& ownName, bool ownBold, bool ownItalic) {
    DisplayFont font;
    bool isNumber = false;
    font.colour = storedColourNumber(file.readText(kColour)).value_or(QColor(Qt::black));
    const QString name = trimmedRight(file.readText(kName));
    font.name = name.isEmpty() ? ownName : name;
    const float size = file.readText(kSize).trimmed().toFloat(&isNumber);
    font.size = isNumber && size >= kSmallestSize && size <= kLargestSize ? size : kDefaultSize;
    font.bold = booleanOf(file.readText(kBold)).value_or(ownBold);
    font.italic = booleanOf(file.readText(kItalic)).value_or(ownItalic);
    return font;
}

bool write(RecordFile& file, const DisplayFont& font) {
    bool written = true;
    const auto check = [&written](RecordFile::WriteResult result) {
        written = written && result != RecordFile::WriteResult::Failed;
    };
    check(file.writeText(kColour, QString::number(ColorNumber::fromColor(font.colour))));
    check(file.writeText(kName, font.name));
    check(file.writeText(kSize, QString::number(float(font.size))));
    check(file.writeText(kBold, wordOf(font.bold)));
    check(file.writeText(kItalic, wordOf(font.italic)));
    return written;
}

} // namespace DisplayFontRecords
