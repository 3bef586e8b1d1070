#include "WebLauncher.h"

#include <QDesktopServices>

void DesktopWebLauncher::open(const QString& address) {
    QDesktopServices::openUrl(urlOf(address));
}

QUrl DesktopWebLauncher::urlOf(const QString& address) {
    const QString trimmed = address.trimmed();
    return QUrl(trimmed.contains("://") ? trimmed : "https://" + trimmed);
}
