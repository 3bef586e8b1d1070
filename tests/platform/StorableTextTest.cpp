#include "StorableText.h"
#include "TextEntryWays.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

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

// A one-line box of 8 characters whose filter takes out double quotes, shown and focused.
struct GuardedBox : QLineEdit {
    GuardedBox() {
        setMaxLength(8);
        StorableText::guard(*this, [](const QString& text) { return QString(text).remove('"'); });
        show();
        QApplication::setActiveWindow(this);
        setFocus();
    }
};

// Every way text enters a guarded box keeps to the rule and the limit and reports the change.
TEST(StorableTextTest, EveryWayTextEntersAGuardedBoxKeepsToTheRuleAndIsReported) {
    for (const TextEntryWay& way : textEntryWays()) {
        SCOPED_TRACE(way.name);
        GuardedBox box;
        QSignalSpy edited(&box, &QLineEdit::textEdited);
        way.enter(box, box, box.rect().center(), QString::fromUtf8("\"Ł") + kEmoji + "ab");
        EXPECT_EQ(box.text(), "??ab");
        way.enter(box, box, box.rect().center(), "cdefgh"); // at the limit
        EXPECT_EQ(box.text(), "??abcdef");
        EXPECT_GE(edited.count(), 2);
    }
}

// Near the limit every way keeps the characters typing keeps: the emoji counts as the one "?" it
// becomes and the quote the filter takes out counts not at all, also for the box's own menu's
// Paste.
TEST(StorableTextTest, NearTheLimitEveryWayKeepsWhatTypingKeeps) {
    std::vector<TextEntryWay> ways = textEntryWays();
    ways.push_back(
        {"menu paste", [](QWidget& box, QWidget&, const QPoint& at, const QString& text) {
             QApplication::clipboard()->setText(text);
             QContextMenuEvent request(QContextMenuEvent::Mouse, at, box.mapToGlobal(at));
             QApplication::sendEvent(&box, &request);
             QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
             ASSERT_NE(menu, nullptr);
             const QList<QAction*> actions = menu->actions();
             const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
                 return action->text().startsWith("&Paste");
             });
             ASSERT_NE(paste, actions.end());
             (*paste)->trigger();
             menu->close();
         }});
    for (const TextEntryWay& way : ways) {
        SCOPED_TRACE(way.name);
        GuardedBox box;
        box.setText("abcde");
        box.end(false);
        way.enter(box, box, box.rect().center(), "\"x" + kEmoji + "yz");
        EXPECT_EQ(box.text(), "abcdex?y");
        // Text that needs no change still goes in the box's own way, cut at its limit.
        box.setText("abcdef");
        box.end(false);
        way.enter(box, box, box.rect().center(), "xyz");
        EXPECT_EQ(box.text(), "abcdefxy");
    }
}

} // namespace
