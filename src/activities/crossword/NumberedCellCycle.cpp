#include "NumberedCellCycle.h"

#include "NumericValue.h"

namespace {

template <std::size_t N> int entryNumbered(const std::array<QString, N>& numbers, int number) {
    for (std::size_t i = 1; i < N && numbers[i] != kListEnd; ++i) {
        if (numericValue(numbers[i]) == number) {
            return int(i);
        }
    }
    return 0;
}

} // namespace

int acrossEntryNumbered(const ClueArrays& clues, int number) {
    return entryNumbered(clues.AcrossNum, number);
}

int downEntryNumbered(const ClueArrays& clues, int number) {
    return entryNumbered(clues.DownNum, number);
}

CellPick pickNumberedCell(const ClueArrays& clues, int number, int& LastPickedNumber,
                          int& CellPickState) {
    const int across = acrossEntryNumbered(clues, number);
    const int down = downEntryNumbered(clues, number);
    if (number == LastPickedNumber && CellPickState == 1 && down != 0) {
        CellPickState = 0;
        return {2, down};
    }
    LastPickedNumber = number;
    if (across != 0) {
        CellPickState = down != 0 ? 1 : 0;
        return {1, across};
    }
    if (down != 0) {
        CellPickState = 0;
        return {2, down};
    }
    return {};
}
