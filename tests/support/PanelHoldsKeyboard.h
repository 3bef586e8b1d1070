#pragma once

#include <QStringList>

class QWidget;

// What a person still reaches past a panel opened over its window: each control outside the
// panel that Tab or Shift+Tab (pressed round the panel twice over) brings the focus to, and each
// control beneath the panel that the accessibility tree reads as showing, but for what the panel
// stands on whole and reads as nothing (a background picture). Empty when the panel holds the
// keyboard and covers what it stands on.
QStringList reachedPastPanel(QWidget& panel);
