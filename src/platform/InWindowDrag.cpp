#include "InWindowDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

InWindowDrag::InWindowDrag(QWidget* window)
    : QObject(window), window_(window), outline_(new QRubberBand(QRubberBand::Rectangle, window)) {
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
}

InWindowDrag::~InWindowDrag() {
    qApp->removeEventFilter(this);
}

void InWindowDrag::addTarget(QWidget* target, Handler drop, Handler over) {
    targets_.push_back({target, std::move(drop), std::move(over)});
}

void InWindowDrag::begin(QWidget* source) {
    if (source == nullptr || source->window() != window_) {
        return;
    }
    if (!gesture_) {
        qApp->installEventFilter(this);
    }
    gesture_ = true;
    source_ = source;
    grabOffset_ = source->mapFromGlobal(QCursor::pos());
    if (!source->rect().contains(grabOffset_)) {
        grabOffset_ = source->rect().center();
    }
    outline_->resize(source->size());
    moveOutline(source->mapToGlobal(grabOffset_));
    outline_->show();
    outline_->raise();
}

void InWindowDrag::cancel() {
    source_ = nullptr;
    outline_->hide();
}

void InWindowDrag::endGesture() {
    cancel();
    gesture_ = false;
    qApp->removeEventFilter(this);
}

const InWindowDrag::Target* InWindowDrag::targetAt(const QPoint& globalPos) const {
    QWidget* widget = window_->childAt(window_->mapFromGlobal(globalPos));
    for (; widget != nullptr; widget = widget->parentWidget()) {
        for (const Target& target : targets_) {
            if (target.widget == widget) {
                return &target;
            }
        }
    }
    return nullptr;
}

void InWindowDrag::moveOutline(const QPoint& globalPos) {
    outline_->move(window_->mapFromGlobal(globalPos) - grabOffset_);
}

bool InWindowDrag::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_ || !gesture_) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::NoButton) {
            // The button was let go where this window could not see it (a popup menu took the
            // release): the drag ends without a drop.
            endGesture();
            return false;
        }
        if (!active()) {
            return true;
        }
        moveOutline(at);
        if (const Target* target = targetAt(at); target != nullptr && target->over) {
            target->over(source_);
        }
        return true;
    }
    if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) {
        QWidget* source = source_;
        const Target* target = active() ? targetAt(at) : nullptr;
        Handler drop = target != nullptr ? target->drop : Handler();
        endGesture();
        if (drop) {
            drop(source);
        }
    }
    return true;
}
