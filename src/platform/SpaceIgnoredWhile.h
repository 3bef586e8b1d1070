#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;

// Space on a focused command button presses it. A button that would end something in play (the
// Exit of a game, which takes the focus so that the answer keys reach the window) must not be
// pressed by a stray Space: while held() is true, Space on it does nothing. A click, its access
// key, Enter and Esc press it as before.
class SpaceIgnoredWhile : public QObject {
public:
    SpaceIgnoredWhile(QAbstractButton& button, std::function<bool()> held);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> held_;
};
