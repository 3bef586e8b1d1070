#include "InputTextBox.h"

#include "BirthyearFile.h"
#include "Cp1252.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

// A pasted text with its line breaks as the box keeps them, cut so that it fits the room.
QString fitted(QString text, int room) {
    text.replace("\r\n", "\n").replace('\r', '\n');
    QString kept;
    int used = 0;
    for (const QChar c : text) {
        const int size = c == '\n' ? 2 : 1;
        if (used + size > room) {
            break;
        }
        kept.append(c);
        used += size;
    }
    return kept;
}

} // namespace

InputTextBox::InputTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

int InputTextBox::room() const {
    return kLimit - BirthyearFile::storedLength(toPlainText()) +
           BirthyearFile::storedLength(
               textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
}

void InputTextBox::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && !keyHandler_()) {
        event->accept();
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QString("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !event->matches(QKeySequence::Paste)) {
        if (!Cp1252::canHold(typed) || BirthyearFile::storedLength(typed) > room()) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool InputTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void InputTextBox::insertFromMimeData(const QMimeData* source) {
    const QString text = source->text();
    if (!Cp1252::canHold(text)) {
        return;
    }
    insertPlainText(fitted(text, room()));
}
