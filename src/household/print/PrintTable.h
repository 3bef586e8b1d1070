#pragma once

#include "PrintFont.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A table to lay out: row 0 the header, then the body rows, each cell with its own text, font,
// alignment and background. Settings made later override earlier ones.
class PrintTable {
public:
    struct Cell {
        QString text;
        std::optional<PrintFont> font; // the layout's font when none
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
        std::optional<QColor> background;
    };
    // Rows and columns of a range, both ends included.
    struct Range {
        int row1;
        int column1;
        int row2;
        int column2;
    };

    // Twips; bodyRows rows below the header row.
    PrintTable(std::vector<double> columnWidths, int bodyRows);

    int rowCount() const { return static_cast<int>(rowHeights_.size()); }
    int columnCount() const { return static_cast<int>(columnWidths_.size()); }
    Range all() const { return {0, 0, rowCount() - 1, columnCount() - 1}; }
    double columnWidth(int column) const { return columnWidths_.at(column); }
    // Twips, or nothing for one line of the row's largest font.
    std::optional<double> rowHeight(int row) const { return rowHeights_.at(row); }
    const Cell& cell(int row, int column) const;

    void setHeader(const QStringList& texts);
    void setText(int row, int column, const QString& text);
    void setFont(const Range& range, const PrintFont& font);
    void setAlignment(const Range& range, Qt::Alignment alignment);
    void setBackground(const Range& range, const QColor& colour);
    void setRowHeight(int row, double twips);

private:
    template <typename Change> void change(const Range& range, Change apply);

    std::vector<double> columnWidths_;
    std::vector<std::optional<double>> rowHeights_;
    std::vector<Cell> cells_; // row by row
};
