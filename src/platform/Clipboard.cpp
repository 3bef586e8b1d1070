#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void SystemClipboard::putText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

bool SystemClipboard::putPicture(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (picture.isNull()) {
        return false;
    }
    clipboard->setImage(picture);
    const QMimeData* held = clipboard->mimeData();
    return held != nullptr && held->hasImage();
}
