#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Runs a window's activation handler once the current handler has returned: at the window's first
// show, and when a window shown over it has closed. Queuing keeps a long chain of windows opening
// each other from nesting, and two requests before it runs give one activation.
class ActivationQueue {
public:
    ActivationQueue(QObject* owner, std::function<void()> activate)
        : owner_(owner), activate_(std::move(activate)) {}

    // From the window's showEvent: the first show activates it.
    void queueOnFirstShow() {
        if (!shown_) {
            shown_ = true;
            queue();
        }
    }

    void queue() {
        if (queued_) {
            return;
        }
        queued_ = true;
        QTimer::singleShot(0, owner_, [this] {
            queued_ = false;
            activate_();
        });
    }

private:
    QObject* owner_;
    std::function<void()> activate_;
    bool queued_ = false;
    bool shown_ = false;
};
