#include "AccessibleTable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

QPoint TableReading::cellAt(QPoint point) const {
    for (int row = 0; row < rows(); ++row) {
        for (int col = 0; col < cols(); ++col) {
            if (cellRect(row, col).contains(point)) {
                return {col, row};
            }
        }
    }
    return {-1, -1};
}

namespace {

// One cell of the table, header or not, by its row and column. It asks the reading whenever
// asked, so it stays right while texts change; the table drops it when the shape changes.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(QWidget* control, std::shared_ptr<TableReading> reading, int row, int col)
        : control_(control), reading_(std::move(reading)), row_(row), col_(col) {}

    bool isValid() const override {
        return control_ != nullptr && row_ < reading_->rows() && col_ < reading_->cols();
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
        return type == QAccessible::Name && isValid() ? reading_->cellText(row_, col_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = reading_->cellRect(row_, col_);
        return {control_->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::Role role() const override {
        if (isValid() && row_ < reading_->headerRows()) {
            return QAccessible::ColumnHeader;
        }
        if (isValid() && col_ < reading_->headerCols()) {
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
        const bool shown = control_->isVisible() && reading_->cellInView(row_, col_);
        state.invisible = !shown;
        state.offscreen = !shown;
        state.focusable = isBodyCell();
        state.focused =
            isBodyCell() && control_->hasFocus() && reading_->currentCell() == QPoint(col_, row_);
        state.editable = isBodyCell() && reading_->editable();
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
        for (int row = 0; isValid() && row < reading_->headerRows(); ++row) {
            headers.append(table()->child(row * reading_->cols() + col_));
        }
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        for (int col = 0; isValid() && col < reading_->headerCols(); ++col) {
            headers.append(table()->child(row_ * reading_->cols() + col));
        }
        return headers;
    }
    int columnIndex() const override { return isValid() ? col_ - reading_->headerCols() : -1; }
    int rowIndex() const override { return isValid() ? row_ - reading_->headerRows() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(control_);
    }

    int row() const { return row_; }
    int col() const { return col_; }

private:
    bool isBodyCell() const {
        return row_ >= reading_->headerRows() && col_ >= reading_->headerCols();
    }

    QPointer<QWidget> control_;
    std::shared_ptr<TableReading> reading_;
    int row_;
    int col_;
};

// The control itself: its children are all its cells, row by row, headers included, so that a
// child's index is row x columns + column; the table's own rows and columns are the others.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TableAccessible(QWidget* control, std::shared_ptr<TableReading> reading)
        : QAccessibleWidget(control, QAccessible::Table), reading_(std::move(reading)) {}
    ~TableAccessible() override { dropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return reading_->rows() * reading_->cols(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return cell(index / reading_->cols(), index % reading_->cols());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellAccessible*>(child);
        return cell != nullptr && cell->parent() == this && cell->isValid()
                   ? cell->row() * reading_->cols() + cell->col()
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = reading_->cellAt(widget()->mapFromGlobal(QPoint(x, y)));
        return at.x() >= 0 && at.y() >= 0 ? cell(at.y(), at.x()) : nullptr;
    }
    // The current cell, as the cell that keys and reads start from.
    QAccessibleInterface* focusChild() const override {
        const QPoint current = reading_->currentCell();
        return current.x() >= 0 && current.y() >= 0 && current.y() < reading_->rows() &&
                       current.x() < reading_->cols()
                   ? cell(current.y(), current.x())
                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        return cell(row + reading_->headerRows(), column + reading_->headerCols());
    }
    int columnCount() const override { return reading_->cols() - reading_->headerCols(); }
    int rowCount() const override { return reading_->rows() - reading_->headerRows(); }
    // A column is described by its headings, a row by its header cells.
    QString columnDescription(int column) const override {
        QStringList headings;
        for (int row = 0; row < reading_->headerRows(); ++row) {
            headings.append(reading_->cellText(row, column + reading_->headerCols()));
        }
        return headings.join(' ').simplified();
    }
    QString rowDescription(int row) const override {
        QStringList headings;
        for (int col = 0; col < reading_->headerCols(); ++col) {
            headings.append(reading_->cellText(row + reading_->headerRows(), col));
        }
        return headings.join(' ').simplified();
    }

    // The table has a current cell but no selection.
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
    QAccessibleInterface* cell(int row, int col) const {
        const quint64 key = (quint64(row) << 32) | quint32(col);
        if (const QAccessible::Id id = cells_.value(key)) {
            return QAccessible::accessibleInterface(id);
        }
        auto* made = new CellAccessible(widget(), reading_, row, col);
        cells_.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    void dropCells() {
        for (const QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

    std::shared_ptr<TableReading> reading_;
    mutable QHash<quint64, QAccessible::Id> cells_;
};

// The controls described as tables one by one, with their readings.
QHash<const QObject*, std::shared_ptr<TableReading>>& describedControls() {
    static QHash<const QObject*, std::shared_ptr<TableReading>> controls;
    return controls;
}

QAccessibleInterface* describedTable(const QString&, QObject* object) {
    auto* control = qobject_cast<QWidget*>(object);
    const auto found = describedControls().constFind(object);
    return control != nullptr && found != describedControls().constEnd()
               ? AccessibleTable::interfaceFor(control, *found)
               : nullptr;
}

} // namespace

namespace AccessibleTable {

QAccessibleInterface* interfaceFor(QWidget* control, std::shared_ptr<TableReading> reading) {
    return new TableAccessible(control, std::move(reading));
}

void describe(QWidget& control, std::unique_ptr<TableReading> reading) {
    describedControls().insert(&control, std::move(reading));
    QObject::connect(&control, &QObject::destroyed,
                     [](QObject* gone) { describedControls().remove(gone); });
    // Asked before the control's own class's factory, which may have been installed since.
    QAccessible::removeFactory(describedTable);
    QAccessible::installFactory(describedTable);
    // The control may have been read already as what it was.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&control)));
}

void shapeChanged(QWidget& control) {
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(&control,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
}

void textsChanged(QWidget& control, const TableReading& reading, int firstRow, int firstCol,
                  int lastRow, int lastCol) {
    if (!QAccessible::isActive()) {
        return;
    }
    // Headings are not rows of the table: a changed heading is told as a new table.
    if (firstRow < reading.headerRows() || firstCol < reading.headerCols()) {
        shapeChanged(control);
        return;
    }
    QAccessibleTableModelChangeEvent event(&control, QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(firstRow - reading.headerRows());
    event.setFirstColumn(firstCol - reading.headerCols());
    event.setLastRow(lastRow - reading.headerRows());
    event.setLastColumn(lastCol - reading.headerCols());
    QAccessible::updateAccessibility(&event);
}

void currentCellFocused(QWidget& control, const TableReading& reading) {
    const QPoint current = reading.currentCell();
    if (QAccessible::isActive() && control.hasFocus() && current.x() >= 0) {
        QAccessibleEvent event(&control, QAccessible::Focus);
        event.setChild(current.y() * reading.cols() + current.x());
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace AccessibleTable
