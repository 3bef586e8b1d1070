#include "InputTextBox.h"

#include "BirthyearFile.h"
#include "StorableText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

InputTextBox::InputTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

int InputTextBox::room() const {
    return kLimit - BirthyearFile::storedLength(toPlainText()) +
           BirthyearFile::storedLength(
               textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
}

QString InputTextBox::fitting(const QString& text) const {
    QString entering = StorableText::kept(text);
    entering.replace("\r\n", "\n").replace('\r', '\n');
    const int free = room();
    QString kept;
    int used = 0;
    for (const QChar c : entering) {
        const int size = c == '\n' ? 2 : 1;
        if (used + size > free) {
            break;
        }
        kept.append(c);
        used += size;
    }
    return kept;
}

void InputTextBox::keyPressEvent(QKeyEvent* event) {
    if (!entryAllowed()) {
        event->accept();
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QString("\n") : event->text();
    // A character beyond the 16-bit range comes as a surrogate pair, which is no printable unit.
    const bool inserts =
        lineBreak || (!typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0).isSurrogate()));
    if (inserts && !event->matches(QKeySequence::Paste)) {
        insertPlainText(fitting(typed));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void InputTextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    if (!entryAllowed()) {
        event->accept();
        return;
    }
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(fitting(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&kept);
}

bool InputTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void InputTextBox::insertFromMimeData(const QMimeData* source) {
    if (entryAllowed()) {
        insertPlainText(fitting(source->text()));
    }
}
