#include "PrintTable.h"

#include <algorithm>

PrintTable::PrintTable(std::vector<double> columnWidths, int bodyRows)
    : columnWidths_(std::move(columnWidths)), rowHeights_(std::max(0, bodyRows) + 1),
      cells_(rowHeights_.size() * columnWidths_.size()) {}

const PrintTable::Cell& PrintTable::cell(int row, int column) const {
    return cells_.at(static_cast<size_t>(row) * columnWidths_.size() + column);
}

template <typename Change> void PrintTable::change(const Range& range, Change apply) {
    const int lastRow = std::min(range.row2, rowCount() - 1);
    const int lastColumn = std::min(range.column2, columnCount() - 1);
    for (int row = std::max(0, range.row1); row <= lastRow; ++row) {
        for (int column = std::max(0, range.column1); column <= lastColumn; ++column) {
            apply(cells_[static_cast<size_t>(row) * columnWidths_.size() + column]);
        }
    }
}

void PrintTable::setHeader(const QStringList& texts) {
    for (int column = 0; column < std::min<int>(texts.size(), columnCount()); ++column) {
        setText(0, column, texts.at(column));
    }
}

void PrintTable::setText(int row, int column, const QString& text) {
    change({row, column, row, column}, [&](Cell& cell) { cell.text = text; });
}

void PrintTable::setFont(const Range& range, const PrintFont& font) {
    change(range, [&](Cell& cell) { cell.font = font; });
}

void PrintTable::setAlignment(const Range& range, Qt::Alignment alignment) {
    change(range, [&](Cell& cell) { cell.alignment = alignment; });
}

void PrintTable::setBackground(const Range& range, const QColor& colour) {
    change(range, [&](Cell& cell) { cell.background = colour; });
}

void PrintTable::setRowHeight(int row, double twips) {
    if (row >= 0 && row < rowCount()) {
        rowHeights_[row] = twips;
    }
}
