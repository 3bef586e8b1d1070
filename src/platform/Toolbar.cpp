#include "Toolbar.h"

#include <QAction>
#include <QIcon>

namespace {

constexpr std::array<const char*, Toolbar::kButtons> kTooltips = {"Main Menu",
                                                                  "Crossword Puzzles",
                                                                  "Famous Quotes",
                                                                  "Hangman",
                                                                  "Knowledge Tic-Tac-Toe",
                                                                  "Matching Game 1",
                                                                  "Matching Game 2",
                                                                  "Word Scrambler",
                                                                  "Birthyear Information",
                                                                  "General Thoughts",
                                                                  "Humorous Thoughts",
                                                                  "Daily Planner",
                                                                  "To Do List",
                                                                  "Date Function",
                                                                  "Calendar Maker",
                                                                  "Family Names Entry",
                                                                  "Sound Information",
                                                                  "Web Site",
                                                                  "Help",
                                                                  "Exit"};

} // namespace

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName("Toolbar1");
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(32, 32));
    for (int number = 1; number <= kButtons; ++number) {
        const QString key = QString::number(number);
        auto* action =
            addAction(QIcon(QStringLiteral(":/toolbar/%1.png").arg(number, 2, 10, QChar('0'))),
                      kTooltips[number - 1]);
        action->setObjectName(key);
        action->setToolTip(kTooltips[number - 1]);
        connect(action, &QAction::triggered, this, [this, number] { emit buttonClicked(number); });
        buttons_[number - 1] = action;
    }
}

QAction* Toolbar::button(int number) const {
    return buttons_.at(static_cast<std::size_t>(number - 1));
}

void Toolbar::setButtonEnabled(int number, bool enabled) {
    button(number)->setEnabled(enabled);
}

void Toolbar::setButtonsEnabled(int first, int last, bool enabled) {
    for (int number = first; number <= last; ++number) {
        setButtonEnabled(number, enabled);
    }
}

bool Toolbar::isButtonEnabled(int number) const {
    return button(number)->isEnabled();
}
