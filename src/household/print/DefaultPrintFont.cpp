#include "DefaultPrintFont.h"

#include "Printer.h"

namespace {

const QString kTimesNewRoman = QStringLiteral("Times New Roman");

bool isClassicFont(const QString& family) {
    return family.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
           family.compare(QStringLiteral("MS Serif"), Qt::CaseInsensitive) == 0;
}

} // namespace

void applyDefaultPrintFont(PrintSettings& settings, Printer& printer, const QFont& screenFont,
                           const DefaultPrintFontRule& rule) {
    const bool classic = isClassicFont(screenFont.family());
    if (classic && !rule.sizeForClassicFonts.isEmpty()) {
        settings.PrintFontSize = rule.sizeForClassicFonts;
    }
    std::optional<QString> reported =
        printer.fontFor(classic ? kTimesNewRoman : screenFont.family());
    if (!reported) {
        reported = printer.fontFor(kTimesNewRoman);
    }
    settings.PrintFontName = reported.value_or(QStringLiteral("Courier"));
    settings.PrintFontBold = screenFont.bold();
    settings.PrintFontItalic = screenFont.italic();
    if (rule.withLineEffects) {
        settings.PrintFontUnderline = screenFont.underline();
        settings.PrintFontStrikethru = screenFont.strikeOut();
    }
}
