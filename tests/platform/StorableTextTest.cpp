#include "StorableText.h"
#include "TextEntryWays.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two units

TEST(StorableTextTest, EachCharacterTheFileCannotHoldIsOneQuestionMark) {
    const struct {
        QString text;
        QString kept;
    } cases[] = {
        {QString::fromUtf8("Café – 5 € ÿ"), QString::fromUtf8("Café – 5 € ÿ")},
        {QString::fromUtf8("Łódź"), QString::fromUtf8("?ód?")},
        {"a" + kEmoji + "b", "a?b"},
        {kEmoji.left(1), "?"}, // a pair cut in half at a length limit
        {"?", "?"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(StorableText::kept(testCase.text), testCase.kept) << testCase.text.toStdString();
    }
}

// A one-line box of 8 characters; every way text enters it keeps to the rule and the limit and
// reports the change.
TEST(StorableTextTest, EveryWayTextEntersAGuardedBoxKeepsToTheRuleAndIsReported) {
    for (const TextEntryWay& way : textEntryWays()) {
        SCOPED_TRACE(way.name);
        QLineEdit box;
        box.setMaxLength(8);
        StorableText::guard(box, [](const QString& text) { return QString(text).remove('"'); });
        box.show();
        QApplication::setActiveWindow(&box);
        box.setFocus();
        QSignalSpy edited(&box, &QLineEdit::textEdited);
        way.enter(box, box, box.rect().center(), QString::fromUtf8("\"Ł") + kEmoji + "ab");
        EXPECT_EQ(box.text(), "??ab");
        way.enter(box, box, box.rect().center(), "cdefgh"); // at the limit
        EXPECT_EQ(box.text(), "??abcdef");
        EXPECT_GE(edited.count(), 2);
    }
}

} // namespace
