#pragma once

#include <QImage>
#include <QString>

// The desktop's clipboard. Each put replaces whatever the clipboard held before.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The text as given: a carriage return between lines stays a carriage return.
    virtual void putText(const QString& text) = 0;
    virtual void putPicture(const QImage& picture) = 0;
};

class SystemClipboard : public Clipboard {
public:
    void putText(const QString& text) override;
    void putPicture(const QImage& picture) override;
};
