#include "ListBox.h"

#include "TypedKey.h"

#include <QKeyEvent>
#include <QMouseEvent>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
}

int ListBox::ListIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

bool ListBox::setListIndex(int index) {
    if (index < -1 || index >= count()) {
        return false;
    }
    select(index);
    emit clicked();
    return true;
}

void ListBox::deselect(int index) {
    if (index >= 0 && index == ListIndex()) {
        select(-1);
    }
}

QString ListBox::selectedText() const {
    const int index = ListIndex();
    return index < 0 ? QString() : item(index)->text();
}

void ListBox::select(int index) {
    // In single selection, making a row current selects it; no row clears the selection.
    setCurrentRow(index);
}

bool ListBox::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier &&
            !(focusPolicy() & Qt::TabFocus)) {
            emit keyTyped(9);
            return true;
        }
    }
    return QListWidget::event(event);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (const int code = typedCharacterCode(*event); code != 0) {
        emit keyTyped(code);
        return;
    }
    const int before = ListIndex();
    QListWidget::keyPressEvent(event);
    if (ListIndex() != before) {
        emit clicked();
    }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // Only the left button on an item selects; empty space and other buttons change nothing.
    if (event->button() != Qt::LeftButton || itemAt(event->position().toPoint()) == nullptr) {
        return;
    }
    QListWidget::mousePressEvent(event);
    emit clicked();
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    const int before = ListIndex();
    QListWidget::mouseMoveEvent(event);
    if (ListIndex() != before) {
        emit clicked();
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // The view would make its first row current on focus; a list without a selection keeps none.
    const bool noneSelected = ListIndex() < 0;
    QListWidget::focusInEvent(event);
    if (noneSelected && currentRow() >= 0) {
        setCurrentRow(-1);
    }
}
