#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class QAccessibleInterface;
class QWidget;

// What a control that shows a table (a grid, a board of cells, a printed page) gives a screen
// reader: rows and columns of cells, each read by its text, the first header rows read as column
// headers and the first header columns as row headers, and a current cell. Rows and columns count
// the headers; the table read has the others.
class TableReading {
public:
    virtual ~TableReading() = default;

    virtual int rows() const = 0;
    virtual int cols() const = 0;
    virtual int headerRows() const { return 0; }
    virtual int headerCols() const { return 0; }
    virtual QString cellText(int row, int col) const = 0;
    // Where the cell shows, in the control's coordinates, and whether some of it is in view.
    virtual QRect cellRect(int row, int col) const = 0;
    virtual bool cellInView(int row, int col) const = 0;
    // The cell at a point of the control, (-1, -1) for none.
    virtual QPoint cellAt(QPoint point) const;
    // The current cell as (column, row), (-1, -1) for none; read as focused while the control
    // has the focus.
    virtual QPoint currentCell() const { return {-1, -1}; }
    virtual bool editable() const { return false; }
};

namespace AccessibleTable {

// Makes the accessibility framework read control as the table that reading describes, in place
// of the controls it holds. Call it once, after the control is made; the reading lives as long as
// the control.
void describe(QWidget& control, std::unique_ptr<TableReading> reading);

// The accessible object of a control read by reading, for a factory that makes one for every
// control of a class.
QAccessibleInterface* interfaceFor(QWidget* control, std::shared_ptr<TableReading> reading);

// The table's shape changed (rows or columns, headers, their order): listening assistive
// technology reads it anew.
void shapeChanged(QWidget& control);
// The texts of the cells from (firstRow, firstCol) to (lastRow, lastCol) changed.
void textsChanged(QWidget& control, const TableReading& reading, int firstRow, int firstCol,
                  int lastRow, int lastCol);
// The current cell moved, or the control took the focus: the current cell is announced as
// focused.
void currentCellFocused(QWidget& control, const TableReading& reading);

} // namespace AccessibleTable
