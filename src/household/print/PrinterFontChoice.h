#pragma once

#include "Dialogs.h"
#include "PrintSettings.h"

// Offers the print font in the font dialog, preset from the settings (a value that cannot be
// converted leaves the dialog's own), and writes all seven values back. False when the person
// cancelled: then nothing changed.
bool ChoosePrinterFont(PrintSettings& settings, Dialogs& dialogs);
