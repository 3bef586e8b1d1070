#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

class QWidget;

// Enter and Esc in a window, as the classic windows had them: Enter presses the command button
// that has the focus, or else the window's default button; Esc presses its cancel button. A
// disabled button is not pressed, and the key goes on to the control that has the focus.
class WindowKeys : public QObject {
public:
    explicit WindowKeys(QWidget& window);
    ~WindowKeys() override;

    // Enter on this control, while it has the focus, is the control's own key, as on a command
    // button: the default button is not pressed.
    static void leaveEnterTo(QWidget& control);

    void setDefaultButton(QAbstractButton* button) { default_ = button; }
    // The cancel button may change while the window is open.
    void setCancelButton(QAbstractButton* button) { cancel_ = button; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QPointer<QAbstractButton> default_;
    QPointer<QAbstractButton> cancel_;
};
