#pragma once

#include "AccessibleTable.h"

class CrosswordWindow;

// The crossword grid as a screen reader reads it: a table of the grid's rows and columns, each
// cell read by its number and its letter, or "blank", a blocked cell as a black square, and a
// checked word's verdict read as well as coloured.
class CrosswordBoardReading : public TableReading {
public:
    explicit CrosswordBoardReading(const CrosswordWindow& window) : window_(window) {}

    int rows() const override;
    int cols() const override;
    QString cellText(int row, int col) const override;
    QRect cellRect(int row, int col) const override;
    bool cellInView(int row, int col) const override;

private:
    int cellAt(int row, int col) const;

    const CrosswordWindow& window_;
};
