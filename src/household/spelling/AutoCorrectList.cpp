#include "AutoCorrectList.h"

#include "SpellingWords.h"

void AutoCorrectList::add(const QString& misspelling, const QString& correction) {
    pairs_.removeIf([&](const AutoCorrectPair& pair) {
        return SpellingWords::equalIgnoringCase(pair.misspelling, misspelling);
    });
    pairs_.append({misspelling, correction});
}

AutoCorrectPair AutoCorrectList::at(qsizetype i) const {
    if (i < 0 || i >= pairs_.size()) {
        return {};
    }
    return {SpellingWords::capitals(pairs_.at(i).misspelling), pairs_.at(i).correction};
}

AutoCorrectList::Match AutoCorrectList::matchAt(const QString& text, qsizetype start) const {
    Match best;
    for (const AutoCorrectPair& pair : pairs_) {
        const qsizetype length = pair.misspelling.size();
        if (length <= best.length || start + length > text.size() ||
            !SpellingWords::equalIgnoringCase(QStringView(text).mid(start, length),
                                              pair.misspelling) ||
            !SpellingWords::endsWord(text, start + length)) {
            continue;
        }
        best.length = length;
        best.replacement = pair.correction;
        if (text.at(start).isUpper() && !best.replacement.isEmpty()) {
            best.replacement[0] = best.replacement.at(0).toUpper();
        }
    }
    return best;
}
