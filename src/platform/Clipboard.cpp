#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void SystemClipboard::putText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void SystemClipboard::putPicture(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}
