#include "StatusBar.h"

#include <QLabel>
#include <QMouseEvent>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    for (int number = 1; number <= kPanels; ++number) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(number));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(2);
        label->installEventFilter(this);
        addWidget(label, number == 1 ? 1 : 0);
        panels_[number - 1] = label;
    }
    panel(2)->hide();
    panel(3)->hide();
}

QLabel* StatusBar::panel(int number) const {
    return panels_.at(static_cast<std::size_t>(number - 1));
}

void StatusBar::setPanelText(int number, const QString& text) {
    panel(number)->setText(text);
    panel(number)->setAccessibleName(text);
}

QString StatusBar::panelText(int number) const {
    return panel(number)->text();
}

void StatusBar::setPanelToolTip(int number, const QString& toolTip) {
    panel(number)->setToolTip(toolTip);
}

void StatusBar::setPanelVisible(int number, bool visible) {
    panel(number)->setVisible(visible);
}

bool StatusBar::isPanelShown(int number) const {
    return !panel(number)->isHidden();
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        for (int number = 1; number <= kPanels; ++number) {
            QLabel* label = panel(number);
            if (watched == label && release->button() == Qt::LeftButton &&
                label->rect().contains(release->position().toPoint())) {
                emit panelClicked(number);
            }
        }
    }
    return QStatusBar::eventFilter(watched, event);
}
