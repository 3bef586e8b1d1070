#include "AutoCorrectTable.h"
#include "EnglishDictionary.h"

#include <QMap>
#include <QString>

#include <gtest/gtest.h>

namespace {

QString misspellingAt(int slot) {
    return QString::fromLatin1(AutoCorrectTable[std::size_t(slot)].misspelling);
}

QString correctionAt(int slot) {
    return QString::fromLatin1(AutoCorrectTable[std::size_t(slot)].correction);
}

TEST(AutoCorrectTable, HoldsTheTwoHundredFortyThreePairsInTheirSlots) {
    for (int slot : {0, 244, 250}) {
        EXPECT_EQ(misspellingAt(slot), "") << slot;
        EXPECT_EQ(correctionAt(slot), "") << slot;
    }
    QMap<QString, int> firstSlot;
    for (int slot = kFirstAutoCorrectPair; slot <= kLastAutoCorrectPair; ++slot) {
        const QString misspelling = misspellingAt(slot);
        ASSERT_FALSE(misspelling.isEmpty()) << slot;
        ASSERT_FALSE(correctionAt(slot).isEmpty()) << slot;
        EXPECT_EQ(misspelling, misspelling.toLower()) << slot;
        if (firstSlot.contains(misspelling)) {
            // Only "reccomend" stands twice, with the same correction.
            EXPECT_EQ(firstSlot.value(misspelling), 157) << slot;
            EXPECT_EQ(slot, 159);
            EXPECT_EQ(correctionAt(slot), correctionAt(157));
        }
        firstSlot.insert(misspelling, slot);
    }
    EXPECT_EQ(kLastAutoCorrectPair - kFirstAutoCorrectPair + 1, 243);
    EXPECT_EQ(firstSlot.size(), 242);

    const struct {
        int slot;
        const char* misspelling;
        const char* correction;
    } landmarks[] = {{1, "abbout", "about"},
                     {17, "alot", "a lot"},
                     {101, "i", "I"},
                     {201, "their are", "there are"},
                     {243, "yuor", "your"}};
    for (const auto& landmark : landmarks) {
        EXPECT_EQ(misspellingAt(landmark.slot), landmark.misspelling) << landmark.slot;
        EXPECT_EQ(correctionAt(landmark.slot), landmark.correction) << landmark.slot;
    }
}

TEST(AutoCorrectTable, CorrectionsAreEnglishAndMisspellingsAreNot) {
    const EnglishDictionary* english =
        EnglishDictionary::find(EnglishDictionary::standardFolders());
    ASSERT_NE(english, nullptr) << "the en_US dictionary is installed by scripts/setup";
    const QStringList realWords = {"fora", "withe", "i"};
    for (int slot = kFirstAutoCorrectPair; slot <= kLastAutoCorrectPair; ++slot) {
        for (const QString& word : correctionAt(slot).split(u' ')) {
            EXPECT_TRUE(english->knows(word)) << slot << " " << word.toStdString();
        }
        const QString misspelling = misspellingAt(slot);
        if (!realWords.contains(misspelling) && !misspelling.contains(u' ')) {
            EXPECT_FALSE(english->knows(misspelling)) << slot << " " << misspelling.toStdString();
        }
    }
}

} // namespace
