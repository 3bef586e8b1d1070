#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

// A panel that opens over its window's controls as the window's one place of work (a print
// preview) holds the keyboard while it is open: the controls it covers are hidden, so that they
// can neither take the focus, nor be typed into, nor be read by a screen reader as showing, and
// the window's controls beside it leave the Tab order, so that Tab goes round the panel alone.
// Closing gives every control back what it had.
class PanelModality {
public:
    // Takes the window of the panel from it; the panel stands where it opens, shown.
    void open(QWidget& panel);
    void close();
    bool isOpen() const { return open_; }

private:
    std::vector<QPointer<QWidget>> hidden_;
    std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> unfocused_;
    bool open_ = false;
};
