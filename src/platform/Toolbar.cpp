#include "Toolbar.h"

#include "ModalShower.h"
#include "Registry.h"
#include "ToolbarCustomizeDialog.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

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

const QString kLayoutSubKey = QStringLiteral("User1");
const QString kLayoutValueName = QStringLiteral("Toolbar1");

} // namespace

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName("Toolbar1");
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(32, 32));
    // Reading the pictures loads Qt's image plug-ins; the buttons get them once the toolbar is on
    // the screen. Until then a blank picture keeps their size.
    QPixmap blank(iconSize());
    blank.fill(Qt::transparent);
    for (int number = 1; number <= kButtons; ++number) {
        const QString key = QString::number(number);
        auto* action = addAction(QIcon(blank), kTooltips[number - 1]);
        action->setObjectName(key);
        action->setToolTip(kTooltips[number - 1]);
        connect(action, &QAction::triggered, this, [this, number] { emit buttonClicked(number); });
        buttons_[number - 1] = action;
    }
}

void Toolbar::showEvent(QShowEvent* event) {
    QToolBar::showEvent(event);
    if (!picturesLoaded_) {
        picturesLoaded_ = true;
        QTimer::singleShot(0, this, [this] {
            for (int number = 1; number <= kButtons; ++number) {
                button(number)->setIcon(
                    QIcon(QStringLiteral(":/toolbar/%1.png").arg(number, 2, 10, QChar('0'))));
            }
        });
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

void Toolbar::setButtonLayout(const ToolbarLayout& layout) {
    if (layout == layout_ || !ToolbarLayouts::isValid(layout, kButtons)) {
        return;
    }
    // A hidden button is taken off the toolbar rather than made invisible: an invisible action
    // reports itself disabled, and the windows' enabling must survive hiding and showing.
    for (QAction* action : buttons_) {
        removeAction(action);
    }
    for (const ToolbarButtonPlace& place : layout) {
        if (place.shown) {
            addAction(button(place.number));
        }
    }
    layout_ = layout;
}

bool Toolbar::customize(ModalShower& modal, HelpViewer& help) {
    ToolbarCustomizeDialog dialog(*this, help, window());
    modal.showModal(dialog);
    const ToolbarLayout chosen = dialog.chosenLayout();
    if (dialog.result() != QDialog::Accepted || chosen == layout_) {
        return false;
    }
    setButtonLayout(chosen);
    emit layoutChanged();
    return true;
}

void Toolbar::saveLayout(Registry& registry, const QString& key) const {
    registry.setValue(key, kLayoutSubKey, kLayoutValueName, ToolbarLayouts::encode(layout_));
}

bool Toolbar::restoreLayout(const Registry& registry, const QString& key) {
    const auto stored =
        ToolbarLayouts::decode(registry.value(key, kLayoutSubKey, kLayoutValueName), kButtons);
    if (!stored) {
        return false;
    }
    setButtonLayout(*stored);
    return true;
}
