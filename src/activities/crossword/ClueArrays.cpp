#include "ClueArrays.h"

void ClueArrays::erase() {
    for (auto* texts : {&DownNum, &DownWord, &DownClue, &DownStart}) {
        texts->fill(QString());
    }
    for (auto* texts : {&AcrossNum, &AcrossWord, &AcrossClue, &AcrossStart}) {
        texts->fill(QString());
    }
}
