#pragma once

#include "ClueArrays.h"

// The entry that a click on a numbered cell selects. The first click on a cell selects its Across
// entry if it starts one, else its Down entry; when the cell starts both, the next click on it
// selects Down and the click after that Across again. A click on another numbered cell ends the
// cycle: coming back starts with Across.
struct CellPick {
    int direction = 0; // 1 Across, 2 Down, 0 nothing to select
    int entry = 0;     // 1-based index in that direction's arrays
};

// The index of the entry whose number text has the value number, among all entries of a
// direction up to its "End" marker; 0 when there is none.
int acrossEntryNumbered(const ClueArrays& clues, int number);
int downEntryNumbered(const ClueArrays& clues, int number);

// Picks for a click on the cell numbered number, and moves the cycle on: LastPickedNumber is the
// number clicked last, CellPickState 1 when that click chose Across of a cell that starts both.
CellPick pickNumberedCell(const ClueArrays& clues, int number, int& LastPickedNumber,
                          int& CellPickState);
