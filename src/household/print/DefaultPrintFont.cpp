#include "DefaultPrintFont.h"

#include "Printer.h"

namespace {

const QString kTimesNewRoman = QStringLiteral("Times New Roman");

bool isClassicFont(const QString& family) {
    return family.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
           family.compare(QStringLiteral("MS Serif"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString printerFamilyFor(Printer& printer, const QString& screenFamily) {
    const QString asked = isClassicFont(screenFamily) ? kTimesNewRoman : screenFamily;
    if (std::optional<QString> family = printer.fontFor(asked)) {
        return *family;
    }
    if (std::optional<QString> family = printer.fontFor(kTimesNewRoman)) {
        return *family;
    }
    return printer.substituteFor(kTimesNewRoman);
}

void applyDefaultPrintFont(PrintSettings& settings, Printer& printer, const QFont& screenFont,
                           const DefaultPrintFontRule& rule) {
    if (isClassicFont(screenFont.family()) && !rule.sizeForClassicFonts.isEmpty()) {
        settings.PrintFontSize = rule.sizeForClassicFonts;
    }
    settings.PrintFontName = printerFamilyFor(printer, screenFont.family());
    settings.PrintFontBold = screenFont.bold();
    settings.PrintFontItalic = screenFont.italic();
    if (rule.withLineEffects) {
        settings.PrintFontUnderline = screenFont.underline();
        settings.PrintFontStrikethru = screenFont.strikeOut();
    }
}
