#pragma once

#include "Twips.h"

#include <QFont>
#include <QWidget>

// Puts a control where the window design has it: twips, relative to its container.
template <typename Control>
Control* place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(Twips::toPixels(left, top, width, height));
    return control;
}

// The windows' controls are sized for the classic 8-point dialog font.
inline void useDialogFont(QWidget& area) {
    QFont font = area.font();
    font.setPointSizeF(8.25);
    area.setFont(font);
}
