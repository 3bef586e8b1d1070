#pragma once

#include <functional>

class QWidget;

// Shows the window through the program's real modal path, runs beforehand, minimises and restores
// the window, runs afterwards and then closeIt. True only when the modal showing lasted until that
// close: minimising must never end it.
bool minimiseRestoreAndClose(QWidget& window, const std::function<void()>& beforehand,
                             const std::function<void()>& afterwards,
                             const std::function<void()>& closeIt);
