#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QEvent;

// Whether the event is something a person types or clicks: a key, a shortcut, a mouse button, a
// wheel turn or a context menu request. A shortcut's override is accepted on the way, as the
// focused control's own key, so that no menu or access key fires for it; the key that follows
// is then dropped as well.
bool dropAsInput(QEvent& event);

// While an InputDropped lives, what a person types or clicks is dropped, application-wide, and
// a window the person asks to close closes only once the handler that is waiting has returned. A
// pause that keeps the event loop running (repaints, timers, the accessibility bus) uses it, so
// that nothing typed or clicked during the pause acts, neither meanwhile nor afterwards. Keys the
// program itself queues pass.
class InputDropped : public QObject {
public:
    InputDropped();
    ~InputDropped() override;

    InputDropped(const InputDropped&) = delete;
    InputDropped& operator=(const InputDropped&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPointer<QObject>> closing_; // the windows asked to close meanwhile
};
