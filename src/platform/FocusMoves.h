#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// A control's "got focus" and "lost focus" handlers, run only for a real move of the focus from
// one control of the window to another. The focus coming back to the control that had it (after a
// message box, a menu, or a visit to another application) raises nothing, nor does focusing the
// control that has it. A move made while the window is not active is reported when the window
// becomes active again.
class FocusMoves : public QObject {
public:
    explicit FocusMoves(QWidget& window);

    void onGotFocus(QWidget* control, std::function<void()> handler);
    void onLostFocus(QWidget* control, std::function<void()> handler);

private:
    void focusChanged(QWidget* now);

    QWidget& window_;
    // The control of this window that had the focus last. The reason of a focus event cannot tell
    // a real move: focus given from code while a message box closes comes as a window activation.
    QPointer<QWidget> last_;
    QHash<QWidget*, std::function<void()>> got_;
    QHash<QWidget*, std::function<void()>> lost_;
};
