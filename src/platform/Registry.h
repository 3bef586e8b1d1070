#pragma once

#include <QByteArray>
#include <QString>

// The registry: values under a key and sub-key, used only for the toolbar layouts.
class Registry {
public:
    virtual ~Registry() = default;
    virtual QByteArray value(const QString& key, const QString& subKey,
                             const QString& name) const = 0;
    virtual void setValue(const QString& key, const QString& subKey, const QString& name,
                          const QByteArray& value) = 0;
};

// Keeps the values in QSettings: organisation = key, application = sub-key.
class SettingsRegistry : public Registry {
public:
    QByteArray value(const QString& key, const QString& subKey, const QString& name) const override;
    void setValue(const QString& key, const QString& subKey, const QString& name,
                  const QByteArray& value) override;
};
