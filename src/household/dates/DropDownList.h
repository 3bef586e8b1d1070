#pragma once

#include <QComboBox>

// A drop-down list that tells its window just before its list opens, so that the window can put
// the list at the value its box shows.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void droppingDown();
};
