#include "DialogPlacement.h"

#include "Services.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void DialogPlacement::place(QWidget& dialog, const Services& services) const {
    QRect main = services.mainWindow != nullptr ? services.mainWindow->geometry()
                                                : QGuiApplication::primaryScreen()->geometry();
    if (widthFactor > 0 && heightFactor > 0) {
        dialog.resize(int(widthFactor * main.width()), int(heightFactor * main.height()));
    }
    dialog.move(main.left() + main.width() / 2 - dialog.width() / 2,
                main.top() + main.height() / 2 - dialog.height() / 2 + Twips::toPixels(topOffset));
}
