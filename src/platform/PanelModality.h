#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

// A panel that opens over its window's controls as the window's one place of work (a print
// preview) holds the keyboard while it is open: the controls it covers are hidden, so that they
// can neither take the focus, nor be typed into, nor be read by a screen reader as showing, and
// the window's controls beside it leave the Tab order, so that Tab goes round the panel alone.
// What the panel stands on whole and no control (a background picture, the frame it lies in)
// keeps showing; only what lies in it under the panel goes. The focus goes into the panel before
// anything is hidden, so that it never passes over a control that is going; closing gives every
// control back what it had and the focus back to the control that had it.
class PanelModality {
public:
    // Takes the window of the panel from it and gives the focus to a control of the panel; the
    // panel stands where it opens, shown.
    void open(QWidget& panel, QWidget& focus);
    // Called while the panel still shows, before it hides: the focus leaves it for the control
    // that had it, or the window's first Tab stop when that one is gone or out of reach.
    void close();
    bool isOpen() const { return open_; }

private:
    void hideCovered(QWidget& container, const QWidget& except, const QRect& covered);

    std::vector<QPointer<QWidget>> hidden_;
    std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> unfocused_;
    QPointer<QWidget> panel_;
    QPointer<QWidget> focusBefore_;
    bool open_ = false;
};
