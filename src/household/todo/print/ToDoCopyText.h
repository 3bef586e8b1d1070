#pragma once

#include "ToDoRow.h"

#include <QString>

#include <functional>
#include <vector>

// The to-do list as the clipboard gets it: three heading lines ending in CR LF, then the column
// heading and one line for each row with an item, ending in CR alone. The columns are lined up with
// blanks to two tab stops measured in the printer's font, and separated by tabs, so that the text
// pastes aligned into a word processor or a table.
namespace ToDoCopyText {

// The width of a text in twips, as printed; blanks after a text add their own width.
using Width = std::function<double(const QString&)>;

// rows are the grid's rows 1 to 500 as their cells show them; dateCaption is the window's date
// label ("Date: March 25, 2026").
QString build(const std::vector<ToDoRow>& rows, const QString& dateCaption, const Width& width);

} // namespace ToDoCopyText
