#include "ModalShower.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace {

// Ends the modal loop once the window has closed. Qt also sends a hide event when the window is
// minimised, unmapped by the window manager or moved to another desktop; the window then still
// counts as visible and stays open, to come back as it was.
class CloseWatcher : public QObject {
public:
    CloseWatcher(QWidget& window, QEventLoop& loop) : window_(window), loop_(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !window_.isVisible()) {
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    QEventLoop& loop_;
};

} // namespace

void QtModalShower::showModal(QWidget& window) {
    QEventLoop loop;
    CloseWatcher watcher(window, loop);
    window.installEventFilter(&watcher);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (window.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    window.removeEventFilter(&watcher);
}
