#include "TextEntryWays.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>

std::vector<TextEntryWay> textEntryWays() {
    std::vector<TextEntryWay> ways = {
        {"keys",
         [](QWidget& box, QWidget&, const QPoint&, const QString& text) {
             for (qsizetype i = 0; i < text.size(); ++i) {
                 const qsizetype units = text.at(i).isHighSurrogate() ? 2 : 1;
                 QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                               text.mid(i, units));
                 QApplication::sendEvent(&box, &key);
                 i += units - 1;
             }
         }},
        {"paste",
         [](QWidget& box, QWidget&, const QPoint&, const QString& text) {
             QApplication::clipboard()->setText(text);
             QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
         }},
        {"drop",
         [](QWidget&, QWidget& surface, const QPoint& at, const QString& text) {
             QMimeData data;
             data.setText(text);
             // A drop reaches the control the drag entered.
             QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&surface, &enter);
             QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&surface, &drop);
         }},
        {"input method",
         [](QWidget& box, QWidget&, const QPoint&, const QString& text) {
             QInputMethodEvent composed;
             composed.setCommitString(text);
             QApplication::sendEvent(&box, &composed);
         }},
    };
    if (QApplication::clipboard()->supportsSelection()) {
        ways.push_back(
            {"middle-click", [](QWidget&, QWidget& surface, const QPoint& at, const QString& text) {
                 QApplication::clipboard()->setText(text, QClipboard::Selection);
                 QTest::mouseClick(&surface, Qt::MiddleButton, Qt::NoModifier, at);
             }});
    }
    return ways;
}
