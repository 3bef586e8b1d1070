#include "PrinterFontChoice.h"

#include "ColorNumber.h"
#include "PrintSettingsValues.h"

bool ChoosePrinterFont(PrintSettings& settings, Dialogs& dialogs) {
    Dialogs::FontChoice preset;
    const PrintFont font = printFontOf(settings, PrintFont{preset.name, preset.size});
    preset.name = font.name;
    preset.size = font.size;
    preset.bold = font.bold;
    preset.italic = font.italic;
    preset.underline = font.underline;
    preset.strikeout = font.strikeout;
    preset.colour = printColourOf(settings).value_or(preset.colour);

    const std::optional<Dialogs::FontChoice> chosen =
        dialogs.chooseFont(preset, Dialogs::FontList::PrinterFonts);
    if (!chosen) {
        return false;
    }
    settings.PrintFontName = chosen->name;
    settings.PrintFontSize = static_cast<float>(chosen->size);
    settings.PrintFontBold = chosen->bold;
    settings.PrintFontItalic = chosen->italic;
    settings.PrintFontUnderline = chosen->underline;
    settings.PrintFontStrikethru = chosen->strikeout;
    settings.PrintFontColour = static_cast<qint32>(ColorNumber::fromColor(chosen->colour));
    return true;
}
