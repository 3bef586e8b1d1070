#include "ModalShower.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace {

// Ends the modal loop when the window is hidden, whichever way it was closed.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

} // namespace

void QtModalShower::showModal(QWidget& window) {
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (window.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    window.removeEventFilter(&watcher);
}
