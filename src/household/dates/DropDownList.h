#pragma once

#include <QComboBox>

class QLineEdit;

// A drop-down list with a box laid over its edit part that shows the list's value. The box is the
// field's one Tab stop, and the two are kept as one: the list always stands at the value the box
// shows (so that assistive technology reads of the list what is seen; a year half typed leaves it
// at the last whole one), and the keys that step or open a list (Up, Down, Page Up, Page Down,
// F4, Alt+Down) do so in the box, from the value shown.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent);

    void setBox(QLineEdit* box);
    // Shows the text in the box and puts the list at it, running no handler of either.
    void showValue(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followBox();

    QLineEdit* box_ = nullptr;
};
