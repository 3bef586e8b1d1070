#include "DropDownList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void DropDownList::setBox(QLineEdit* box) {
    box_ = box;
    // Typing in the box moves the list along.
    connect(box_, &QLineEdit::textChanged, this, &DropDownList::followBox);
    box_->installEventFilter(this);
}

void DropDownList::showValue(const QString& text) {
    {
        const QSignalBlocker blocker(box_);
        box_->setText(text);
    }
    followBox();
}

void DropDownList::followBox() {
    const int index = findText(box_->text());
    if (index >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4:
            // The list steps and tells its window, as if it had the focus.
            QCoreApplication::sendEvent(this, event);
            return true;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
