#pragma once

#include "PrintFont.h"
#include "ToDoRow.h"

#include <QString>

#include <vector>

struct Services;

// Puts the to-do list on the clipboard as text lined up in the printer's font and confirms it.
// The widths are the print engine's, so no printer is needed. rows are the grid's rows 1 to 500;
// dateCaption is the window's date label.
void CopyToDoToClipboard(Services& services, const std::vector<ToDoRow>& rows,
                         const QString& dateCaption, const PrintFont& printerFont);
