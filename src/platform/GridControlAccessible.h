#pragma once

class GridControl;

// What assistive technology sees of a grid: a table whose cells are the scrolling cells, with the
// fixed rows as column headers and the fixed columns as row headers, each cell read by its text,
// and the current cell as the focused one. The grid tells of its changes through these calls; each
// costs nothing while no assistive technology listens.
namespace GridAccessibility {

// Makes the accessibility framework describe every grid as such a table; called by each grid.
void install();

// The rows, columns or fixed rows or columns changed, or rows were inserted, removed or reordered.
void shapeChanged(GridControl& grid);
// The texts of the cells from (firstRow, firstCol) to (lastRow, lastCol) changed.
void textsChanged(GridControl& grid, int firstRow, int firstCol, int lastRow, int lastCol);
// The current cell moved, or the grid took the focus: the current cell is announced as focused.
void currentCellFocused(GridControl& grid);

} // namespace GridAccessibility
