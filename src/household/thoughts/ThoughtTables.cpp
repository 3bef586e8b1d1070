#include "ThoughtTables.h"

#include "DrawWithoutRepeats.h"
#include "Random.h"

#include <algorithm>

void ThoughtTables::clear() {
    ThoughtText.fill(QString());
    PunchLine.fill(QString());
    ThoughtShown.fill(0);
    ThoughtCount = 0;
    CurrentThought = 0;
    ShownCount = 0;
}

void ThoughtTables::fill(const ThoughtFile::Entries& entries) {
    clear();
    ThoughtCount = int(std::min<qsizetype>(entries.thoughts.size(), ThoughtFile::kMostGeneral));
    for (int entry = 1; entry <= ThoughtCount; ++entry) {
        ThoughtText.at(std::size_t(entry)) = entries.thoughts.at(entry - 1);
        if (entry - 1 < entries.punchLines.size() && entry < int(PunchLine.size())) {
            PunchLine.at(std::size_t(entry)) = entries.punchLines.at(entry - 1);
        }
    }
}

void ThoughtTables::drawNext(Random& random, const std::function<void()>& newCycle) {
    CurrentThought = drawWithoutRepeats(ThoughtShown, ShownCount, ThoughtCount, random, [&] {
        random.Randomize();
        newCycle();
    });
}

void ThoughtTables::markShown(int entry) {
    if (ThoughtShown.at(std::size_t(entry)) != 1) {
        ThoughtShown.at(std::size_t(entry)) = 1;
        ++ShownCount;
    }
}

int ThoughtTables::find(const QString& text, int start) const {
    const QString wanted = text.toUpper();
    for (int entry = std::max(start, 1); entry <= ThoughtCount; ++entry) {
        if (ThoughtText.at(std::size_t(entry)).toUpper().contains(wanted)) {
            return entry;
        }
    }
    return 0;
}
