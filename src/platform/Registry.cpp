#include "Registry.h"

#include <QSettings>

QByteArray SettingsRegistry::value(const QString& key, const QString& subKey,
                                   const QString& name) const {
    return QSettings(key, subKey).value(name).toByteArray();
}

void SettingsRegistry::setValue(const QString& key, const QString& subKey, const QString& name,
                                const QByteArray& value) {
    QSettings(key, subKey).setValue(name, value);
}
