#pragma once

#include "PrintFont.h"
#include "ToDoRow.h"

#include <QColor>
#include <QDate>

#include <vector>

class PrintLayout;

// The two documents of the to-do list's print preview, laid out on the engine's layout (twips).
namespace ToDoPrintLayouts {

struct Options {
    PrintFont font;
    QColor colour{Qt::black};
    bool gridLinesOff = false;
    bool asOfDateOff = false;
    QDate today; // the "As of" line's date
};

// Texts are placed where their column puts them and never cut or wrapped; a text wider than its
// column prints smaller, in the size that fits, so that it never runs into the column beside it
// or off the paper. Where a page's heading and its first row would run past the bottom, the whole
// document prints in the size at which they do not.

// "To Do List": each row that has an item, one under the other, under a page header (title, "As
// of" line, column headings, and a frame and separators unless the lines are off) repeated on
// every page. A row that would pass the bottom margin starts the next page whole. The columns are
// shares of the printable width, between the left and right margins. rows are the grid's item
// rows in order.
void buildList(PrintLayout& layout, const std::vector<ToDoRow>& rows, const Options& options);

// "To Do Item Worksheet": one page of empty ruled rows under the column headings, for writing
// items by hand, from edge to edge of the paper; the preview shows its first page.
void buildWorksheet(PrintLayout& layout, const Options& options);

} // namespace ToDoPrintLayouts
