#pragma once

#include <QObject>

#include <functional>

class QWidget;

// A handler that yields to the event loop (to repaint, or to animate) must not see the window's
// input meanwhile: a letter evaluated inside another, or a word counted twice. While a guarded
// stretch runs, the keys, clicks and wheel turns aimed at the window or its controls are dropped,
// and a request to close the window waits until the stretch has ended, then closes it.
class GuardedStretch : public QObject {
public:
    explicit GuardedStretch(QWidget& window);
    ~GuardedStretch() override;

    // Runs handler as a stretch; one begun inside another is part of the outer one.
    void run(const std::function<void()>& handler);
    bool running() const { return depth_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(QObject* object) const;

    QWidget& window_;
    int depth_ = 0;
    bool closeWaiting_ = false;
};
