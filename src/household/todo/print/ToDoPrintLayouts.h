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

// "To Do List": each row that has an item, one under the other, under a page header (title, "As
// of" line, column headings, and a frame and separators unless the lines are off) repeated on
// every page. rows are the grid's item rows in order.
void buildList(PrintLayout& layout, const std::vector<ToDoRow>& rows, const Options& options);

// "To Do Item Worksheet": one page of empty ruled rows under the column headings, for writing
// items by hand; the preview shows its first page.
void buildWorksheet(PrintLayout& layout, const Options& options);

} // namespace ToDoPrintLayouts
