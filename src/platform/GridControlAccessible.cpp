#include "GridControlAccessible.h"

#include "AccessibleTable.h"
#include "DisplayText.h"
#include "GridControl.h"

#include <QAccessible>
#include <QPointer>

namespace {

// The grid as a table: its fixed rows are the headers of its columns, its fixed columns those of
// its rows, and the cells are read by their texts as shown.
class GridReading : public TableReading {
public:
    explicit GridReading(GridControl* grid) : grid_(grid) {}

    int rows() const override { return grid_ != nullptr ? grid_->rows() : 0; }
    int cols() const override { return grid_ != nullptr ? grid_->cols() : 0; }
    int headerRows() const override { return grid_ != nullptr ? grid_->fixedRows() : 0; }
    int headerCols() const override { return grid_ != nullptr ? grid_->fixedCols() : 0; }
    QString cellText(int row, int col) const override {
        return DisplayText::lines(grid_->textMatrix(row, col));
    }
    QRect cellRect(int row, int col) const override {
        return grid_->cellRect(row, col).translated(grid_->viewport()->pos());
    }
    bool cellInView(int row, int col) const override { return grid_->cellInView(row, col); }
    QPoint cellAt(QPoint point) const override {
        const QPoint at = grid_->viewport()->mapFrom(grid_, point);
        const int row = grid_->rowAt(at.y());
        const int col = grid_->colAt(at.x());
        return row >= 0 && col >= 0 && grid_->viewport()->rect().contains(at) ? QPoint(col, row)
                                                                              : QPoint(-1, -1);
    }
    QPoint currentCell() const override {
        if (rows() <= 0 || cols() <= 0) {
            return {-1, -1};
        }
        // A header the keyboard made current is the column's last fixed row.
        return {grid_->col(), grid_->headerCurrent() ? grid_->fixedRows() - 1 : grid_->row()};
    }
    bool editable() const override { return grid_->editable() != 0; }

private:
    QPointer<GridControl> grid_;
};

QAccessibleInterface* gridTable(const QString& className, QObject* object) {
    auto* grid = qobject_cast<GridControl*>(object);
    return grid != nullptr && className == QLatin1String(GridControl::staticMetaObject.className())
               ? AccessibleTable::interfaceFor(grid, std::make_shared<GridReading>(grid))
               : nullptr;
}

} // namespace

namespace GridAccessibility {

void install() {
    // Qt keeps the factory once, however often this runs.
    QAccessible::installFactory(gridTable);
}

void shapeChanged(GridControl& grid) {
    AccessibleTable::shapeChanged(grid);
}

void textsChanged(GridControl& grid, int firstRow, int firstCol, int lastRow, int lastCol) {
    AccessibleTable::textsChanged(grid, GridReading(&grid), firstRow, firstCol, lastRow, lastCol);
}

void currentCellFocused(GridControl& grid) {
    AccessibleTable::currentCellFocused(grid, GridReading(&grid));
}

} // namespace GridAccessibility
