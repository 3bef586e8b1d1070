#pragma once

#include "ClueArrays.h"

#include <vector>

// Where an entry of the clue arrays lies in the grid. An Across answer runs from its start cell one
// cell at a time, a Down answer columns cells at a time, as many cells as the answer has letters.
// Direction 1 is Across, any other value Down.
struct EntrySpan {
    int start = 0;
    int extent = 0; // Across: the answer's length - 1; Down: the index of its last cell
};

EntrySpan entrySpan(const ClueArrays& clues, int direction, int entry, int columns);

// The cells of a span: Across start to start + extent, Down start, start + columns, ... up to
// extent. Cells outside 0 to lastCell are left out, so a damaged entry never reaches past the grid.
std::vector<int> cellsFromExtent(int direction, int start, int extent, int columns, int lastCell);

std::vector<int> entryCells(const ClueArrays& clues, int direction, int entry, int columns,
                            int lastCell);

// The answer of entry (1-based) in a direction; empty outside the arrays.
QString entryAnswer(const ClueArrays& clues, int direction, int entry);
