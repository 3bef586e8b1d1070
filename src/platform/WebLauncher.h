#pragma once

#include <QString>
#include <QUrl>

// Opens a web address in the person's browser.
class WebLauncher {
public:
    virtual ~WebLauncher() = default;
    // A bare host name ("www.example.org") opens over https. A failure (no browser) is ignored.
    virtual void open(const QString& address) = 0;
};

class DesktopWebLauncher : public WebLauncher {
public:
    void open(const QString& address) override;

    // The address as opened: with "https://" in front when it names no scheme.
    static QUrl urlOf(const QString& address);
};
