#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

// Pops up a window's Options menu at the mouse when the right button is released over the window
// or over one of the controls it is attached to; other buttons do nothing.
class OptionsPopup : public QObject {
public:
    OptionsPopup(QMenu* menu, QObject* parent);

    void attach(QWidget* control);
    // Asked before every popup: false keeps the menu closed. A window may also prepare the
    // menu's items there.
    void setRule(std::function<bool()> rule) { rule_ = std::move(rule); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* menu_;
    std::function<bool()> rule_;
};
