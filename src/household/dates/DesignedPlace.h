#pragma once

#include "Twips.h"

#include <QFont>
#include <QWidget>

using Twips::place;

// The windows' controls are sized for the classic 8-point dialog font.
inline void useDialogFont(QWidget& area) {
    QFont font = area.font();
    font.setPointSizeF(8.25);
    area.setFont(font);
}
