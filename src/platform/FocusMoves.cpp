#include "FocusMoves.h"

#include <QApplication>
#include <QWidget>

FocusMoves::FocusMoves(QWidget& window) : QObject(&window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void FocusMoves::onGotFocus(QWidget* control, std::function<void()> handler) {
    got_.insert(control, std::move(handler));
}

void FocusMoves::onLostFocus(QWidget* control, std::function<void()> handler) {
    lost_.insert(control, std::move(handler));
}

void FocusMoves::focusChanged(QWidget* now) {
    if (now == nullptr || now->window() != &window_ || now == last_) {
        return;
    }
    QWidget* previous = last_;
    last_ = now;
    // The handlers may move the focus again; each move is reported in its turn.
    if (const auto lost = lost_.constFind(previous); previous != nullptr && lost != lost_.cend()) {
        lost.value()();
    }
    if (const auto got = got_.constFind(now); got != got_.cend()) {
        got.value()();
    }
}
