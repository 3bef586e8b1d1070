#include "GridControlAccessible.h"

#include "AccessibleInterfaceFactory.h"
#include "DisplayText.h"
#include "GridControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// One cell of the grid, fixed or not, by its row and column. It reads the grid whenever asked,
// so it stays right while texts change; the table drops it when the grid's shape changes.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(GridControl* grid, int row, int col) : grid_(grid), row_(row), col_(col) {}

    bool isValid() const override {
        return grid_ != nullptr && row_ < grid_->rows() && col_ < grid_->cols();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table()->window(); }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name && isValid()
                   ? DisplayText::lines(grid_->textMatrix(row_, col_))
                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = grid_->cellRect(row_, col_);
        return {grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::Role role() const override {
        if (isValid() && row_ < grid_->fixedRows()) {
            return QAccessible::ColumnHeader;
        }
        if (isValid() && col_ < grid_->fixedCols()) {
            return QAccessible::RowHeader;
        }
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool shown = grid_->isVisible() && grid_->cellInView(row_, col_);
        state.invisible = !shown;
        state.offscreen = !shown;
        state.focusable = isBodyCell();
        state.focused =
            isBodyCell() && grid_->hasFocus() && row_ == grid_->row() && col_ == grid_->col();
        state.editable = isBodyCell() && grid_->editable() != 0;
        state.readOnly = !state.editable;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        // Headers are no cells of the table: they carry no table coordinates.
        return type == QAccessible::TableCellInterface && isValid() && isBodyCell()
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        for (int row = 0; isValid() && row < grid_->fixedRows(); ++row) {
            headers.append(table()->child(row * grid_->cols() + col_));
        }
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        for (int col = 0; isValid() && col < grid_->fixedCols(); ++col) {
            headers.append(table()->child(row_ * grid_->cols() + col));
        }
        return headers;
    }
    int columnIndex() const override { return isValid() ? col_ - grid_->fixedCols() : -1; }
    int rowIndex() const override { return isValid() ? row_ - grid_->fixedRows() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(grid_);
    }

    int row() const { return row_; }
    int col() const { return col_; }

private:
    bool isBodyCell() const { return row_ >= grid_->fixedRows() && col_ >= grid_->fixedCols(); }

    QPointer<GridControl> grid_;
    int row_;
    int col_;
};

// The grid itself: its children are all its cells, row by row, headers included, so that a
// child's index is row x columns + column; the table's own rows and columns are the scrolling
// ones.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(GridControl* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override { dropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return grid()->rows() * grid()->cols(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return cell(index / grid()->cols(), index % grid()->cols());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const GridCellAccessible*>(child);
        return cell != nullptr && cell->parent() == this && cell->isValid()
                   ? cell->row() * grid()->cols() + cell->col()
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const int row = grid()->rowAt(at.y());
        const int col = grid()->colAt(at.x());
        return row >= 0 && col >= 0 && grid()->viewport()->rect().contains(at) ? cell(row, col)
                                                                               : nullptr;
    }
    // The current cell, as the cell that keys and reads start from.
    QAccessibleInterface* focusChild() const override {
        return grid()->rows() > 0 && grid()->cols() > 0 ? cell(grid()->row(), grid()->col())
                                                        : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        return cell(row + grid()->fixedRows(), column + grid()->fixedCols());
    }
    int columnCount() const override { return grid()->cols() - grid()->fixedCols(); }
    int rowCount() const override { return grid()->rows() - grid()->fixedRows(); }
    // A column is described by its headings, a row by its fixed cells.
    QString columnDescription(int column) const override {
        QStringList headings;
        for (int row = 0; row < grid()->fixedRows(); ++row) {
            headings.append(grid()->textMatrix(row, column + grid()->fixedCols()));
        }
        return headings.join(' ').simplified();
    }
    QString rowDescription(int row) const override {
        QStringList headings;
        for (int col = 0; col < grid()->fixedCols(); ++col) {
            headings.append(grid()->textMatrix(row + grid()->fixedRows(), col));
        }
        return headings.join(' ').simplified();
    }

    // The grid has a current cell but no selection.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
            dropCells();
        }
    }

private:
    GridControl* grid() const { return static_cast<GridControl*>(widget()); }

    QAccessibleInterface* cell(int row, int col) const {
        const quint64 key = (quint64(row) << 32) | quint32(col);
        if (const QAccessible::Id id = cells_.value(key)) {
            return QAccessible::accessibleInterface(id);
        }
        auto* made = new GridCellAccessible(grid(), row, col);
        cells_.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    void dropCells() {
        for (const QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

    mutable QHash<quint64, QAccessible::Id> cells_;
};

} // namespace

namespace GridAccessibility {

void install() {
    installAccessibleInterface<GridControl, GridAccessible>();
}

void shapeChanged(GridControl& grid) {
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(&grid, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
}

void textsChanged(GridControl& grid, int firstRow, int firstCol, int lastRow, int lastCol) {
    if (!QAccessible::isActive()) {
        return;
    }
    // Headings are not rows of the table: a changed heading is told as a new table.
    if (firstRow < grid.fixedRows() || firstCol < grid.fixedCols()) {
        shapeChanged(grid);
        return;
    }
    QAccessibleTableModelChangeEvent event(&grid, QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(firstRow - grid.fixedRows());
    event.setFirstColumn(firstCol - grid.fixedCols());
    event.setLastRow(lastRow - grid.fixedRows());
    event.setLastColumn(lastCol - grid.fixedCols());
    QAccessible::updateAccessibility(&event);
}

void currentCellFocused(GridControl& grid) {
    if (QAccessible::isActive() && grid.hasFocus()) {
        QAccessibleEvent event(&grid, QAccessible::Focus);
        event.setChild(grid.row() * grid.cols() + grid.col());
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace GridAccessibility
