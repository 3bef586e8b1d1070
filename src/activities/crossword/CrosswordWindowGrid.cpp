// The crossword grid: one set of 144 cells laid out as 13 x 8 (Level 1) or 18 x 8 (Level 2), the
// numbering and blocking of a loaded puzzle, and the highlight of the selected word.
#include "CrosswordWindow.h"

#include "AccessibleTable.h"
#include "ColorNumber.h"
#include "CrosswordPuzzle.h"
#include "EntryCells.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "TextContrast.h"
#include "Twips.h"

#include <QLabel>

#include <cmath>

namespace {

// Neighbouring cells overlap by this much, so that their borders coincide.
constexpr double kOverlap = 15;

double twips(int pixels) {
    return Twips::fromPixels(pixels);
}

// To the nearest whole twip, halves to the even neighbour.
double nearest(double value) {
    return std::nearbyint(value);
}

} // namespace

void CrosswordWindow::ChooseLevel(int index) {
    LayoutGrid(index);
}

void CrosswordWindow::LayoutGrid(int level) {
    program_.BusyPointer();
    const QSize area = gridPanels[1]->size();
    gridPanels[0]->resize(Twips::toPixels(twips(area.width()) - 300, twips(area.height()) - 400));
    PuzzleLevel = level;
    acrossList->clear();
    downList->clear();
    // The cells move while both grid panels are hidden; they show once, at the end.
    gridPanels[0]->hide();
    gridPanels[1]->hide();

    const bool level2 = level == 1;
    level1Action->setChecked(!level2);
    level2Action->setChecked(level2);
    GridLastCell = level2 ? 143 : 103;
    GridColumns = level2 ? 18 : 13;
    const double containerWidth = twips(gridPanels[0]->width());
    const double containerHeight = twips(gridPanels[0]->height());
    // Level 1 cells are square; the cells report their size in whole pixels.
    const QSize cellSize =
        Twips::toPixels(containerWidth / GridColumns,
                        level2 ? containerHeight / kGridRows : containerWidth / GridColumns);
    const double cellWidth = twips(cellSize.width());
    const double cellHeight = twips(cellSize.height());
    const QRect letterPlace = Twips::toPixels(0.2 * cellWidth, 0.3 * cellHeight,
                                              (level2 ? 0.5 : 0.8) * cellHeight, 0.8 * cellHeight);

    double x = 0;
    double y = 0;
    int column = 0;
    double gridWidth = 0;
    double gridHeight = 0;
    for (int p = 0; p < kCells; ++p) {
        Panel3D* cell = cellPanels[std::size_t(p)];
        QLabel* letter = cellLetters[std::size_t(p)];
        if (p > 103) {
            cell->setEnabled(level2);
        }
        cell->setCaption(QString());
        paintCell(p, ColorNumber::palette(15));
        if (level2) {
            cell->show();
        } else {
            letter->clear();
        }
        cell->setGeometry(QRect(QPoint(Twips::toPixels(x), Twips::toPixels(y)), cellSize));
        letter->setGeometry(letterPlace);
        if (column == GridColumns - 1) {
            column = 0;
            y = nearest(y + cellHeight - kOverlap);
            if (p < 104 || level2) {
                gridHeight += cellHeight - kOverlap;
            }
            x = 0;
        } else {
            ++column;
            x = nearest(x + cellWidth - kOverlap);
            // The first cell of the second row completes the width of one row.
            if (p <= GridColumns) {
                gridWidth += cellWidth - kOverlap;
            }
        }
    }

    gridPanels[0]->resize(Twips::toPixels(gridWidth, gridHeight));
    gridPanels[0]->move(area.width() / 2 - gridPanels[0]->width() / 2,
                        area.height() / 2 - gridPanels[0]->height() / 2);
    SelectedClue = 0;
    SelectedDirection = 0;
    HighlightDirection = 0;
    gridPanels[1]->show();
    gridPanels[0]->show();
    AccessibleTable::shapeChanged(*gridPanels[0]);
    program_.NormalPointer();
}

void CrosswordWindow::ClearCells() {
    for (int cell = 0; cell < kCells; ++cell) {
        cellPanels[std::size_t(cell)]->setCaption(QString());
        paintCell(cell, ColorNumber::palette(15));
        cellLetters[std::size_t(cell)]->clear();
    }
}

void CrosswordWindow::NumberCells() {
    CellNumberCounter = 0;
    for (int cell = 0; cell <= GridLastCell && cell < kCells && cell < GridPattern.size(); ++cell) {
        const QChar kind = GridPattern.at(cell);
        if (kind == QChar(kNumberedCell)) {
            ++CellNumberCounter;
            cellPanels[std::size_t(cell)]->setCaption(QString::number(CellNumberCounter));
        } else if (kind == QChar(kBlockedCell)) {
            paintCell(cell, ColorNumber::toColor(kBlockedColour));
        }
    }
}

void CrosswordWindow::HighlightEntry() {
    // Clearing paints white, whatever colour a cell of the old word had.
    if (HighlightDirection != 0) {
        for (int cell : cellsFromExtent(HighlightDirection, HighlightStartCell, HighlightExtent,
                                        GridColumns, GridLastCell)) {
            paintCell(cell, ColorNumber::palette(15));
        }
    }
    const int direction = SelectedDirection == 1 ? 1 : 2;
    const EntrySpan span = entrySpan(Clues, direction, SelectedClue, GridColumns);
    EntryStartCell = HighlightStartCell = span.start;
    EntryExtent = HighlightExtent = span.extent;
    HighlightDirection = direction;
    for (int cell :
         cellsFromExtent(direction, span.start, span.extent, GridColumns, GridLastCell)) {
        paintCell(cell, ColorNumber::palette(11));
    }
}

void CrosswordWindow::paintCell(int cell, const QColor& colour) {
    cellPanels[std::size_t(cell)]->setBackColour(colour);
    showLetter(cell);
}

QColor CrosswordWindow::cellColour(int cell) const {
    return cellPanels[std::size_t(cell)]->backColour();
}

void CrosswordWindow::setLetterColour(int cell, const QColor& colour) {
    letterColours_[std::size_t(cell)] = colour;
    showLetter(cell);
}

void CrosswordWindow::showLetter(int cell) {
    // A verdict's colour (light red on white) may stand out too little from the cell: the letter
    // is drawn in the nearest shade of it that reads.
    QLabel* letter = cellLetters[std::size_t(cell)];
    const QColor drawn =
        TextContrast::readable(letterColours_[std::size_t(cell)], cellColour(cell));
    if (letter->palette().color(QPalette::WindowText) == drawn) {
        return;
    }
    QPalette palette = letter->palette();
    palette.setColor(QPalette::WindowText, drawn);
    letter->setPalette(palette);
}

QColor CrosswordWindow::letterColour(int cell) const {
    return letterColours_[std::size_t(cell)];
}
