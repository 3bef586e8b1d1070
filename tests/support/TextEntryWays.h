#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Every way text enters a box, each as a person gives it: typed keys (one per character, an emoji
// as one key), a paste, a middle-button paste of the selection, a drop from another program and
// an input method's commit. A box takes keys, paste and input method events; its surface (the
// box itself, or a scroll area's viewport) takes the mouse and the drop, at the point.
struct TextEntryWay {
    const char* name;
    std::function<void(QWidget& box, QWidget& surface, const QPoint& at, const QString& text)>
        enter;
};

// The middle-button paste only where the display keeps a selection.
std::vector<TextEntryWay> textEntryWays();
