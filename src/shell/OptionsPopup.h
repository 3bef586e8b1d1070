#pragma once

#include <QObject>
#include <QSet>

#include <functional>

class QMenu;
class QWidget;

// Pops up a window's Options menu at the mouse when the right button is released over the window
// or over one of the controls it is attached to; other buttons do nothing.
class OptionsPopup : public QObject {
public:
    OptionsPopup(QMenu* menu, QObject* parent);

    void attach(QWidget* control);
    // A control of an attached container that keeps the right button to itself: no popup.
    void exclude(QWidget* control);
    // before runs just ahead of each popup and may prepare the menu's items; false keeps the menu
    // closed. after runs once the menu has closed and the item chosen, if any, has run (never when
    // that item took the window down).
    void setHooks(std::function<bool()> before, std::function<void()> after = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* menu_;
    QSet<QObject*> excluded_;
    std::function<bool()> before_;
    std::function<void()> after_;
};
