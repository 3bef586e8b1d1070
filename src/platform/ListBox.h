#pragma once

#include <QListWidget>

// A list box as the classic windows had it. One position at a time is selected (ListIndex, -1 for
// none). Its click runs once for every change of the position by the person (mouse or arrow keys),
// for a click on the item already selected, and for every position set from code, also when it
// does not change. Typed characters, Backspace and Enter arrive as keys instead of searching the
// list, and so does Tab while the list is out of the tab order.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int ListIndex() const;
    // Selects position index (-1 for none) and runs the click once. A position outside the list
    // changes nothing and returns false.
    bool setListIndex(int index);
    // Takes the selection off position index, without a click; nothing when it is not selected.
    void deselect(int index);
    // The selected item's text; empty when none is selected.
    QString selectedText() const;

signals:
    void clicked();
    // The character code of a key typed in the list: 8 Backspace, 9 Tab, 13 Enter, 32 and above.
    void keyTyped(int code);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void select(int index);
};
