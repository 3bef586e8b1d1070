#include "EntryCells.h"

#include "NumericValue.h"

namespace {

template <std::size_t N> QString element(const std::array<QString, N>& texts, int index) {
    return index >= 0 && index < int(N) ? texts[std::size_t(index)] : QString();
}

} // namespace

QString entryAnswer(const ClueArrays& clues, int direction, int entry) {
    return direction == 1 ? element(clues.AcrossWord, entry) : element(clues.DownWord, entry);
}

EntrySpan entrySpan(const ClueArrays& clues, int direction, int entry, int columns) {
    const QString startText =
        direction == 1 ? element(clues.AcrossStart, entry) : element(clues.DownStart, entry);
    const int start = numericValue(startText);
    const int length = int(entryAnswer(clues, direction, entry).size());
    return {start, direction == 1 ? length - 1 : start + columns * (length - 1)};
}

std::vector<int> cellsFromExtent(int direction, int start, int extent, int columns, int lastCell) {
    std::vector<int> cells;
    const int step = direction == 1 ? 1 : columns;
    const int last = direction == 1 ? start + extent : extent;
    if (step <= 0) {
        return cells;
    }
    for (int cell = start; cell <= last; cell += step) {
        if (cell >= 0 && cell <= lastCell) {
            cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<int> entryCells(const ClueArrays& clues, int direction, int entry, int columns,
                            int lastCell) {
    const EntrySpan span = entrySpan(clues, direction, entry, columns);
    return cellsFromExtent(direction, span.start, span.extent, columns, lastCell);
}
