#include "OptionGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
}

int OptionGroup::add(QRadioButton* button) {
    const int index = count();
    buttons_.push_back(button);
    group_->addButton(button, index);
    // Qt reports a click on the option already selected too, and an arrow key's move as a click.
    connect(button, &QAbstractButton::clicked, this, [this, index] { runClick(index); });
    connect(button, &QAbstractButton::pressed, this, [this] { pressed_ = true; });
    connect(button, &QAbstractButton::released, this, [this] { pressed_ = false; });
    // Checked in any other way, the choice follows the check all the same.
    connect(button, &QAbstractButton::toggled, this, [this, index](bool checked) {
        if (checked && !pressed_ && !selecting_) {
            runClick(index);
        }
    });
    return index;
}

void OptionGroup::select(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    selecting_ = true;
    button(index)->setChecked(true);
    selecting_ = false;
    runClick(index);
}

int OptionGroup::selected() const {
    return group_->checkedId();
}

void OptionGroup::runClick(int index) {
    waiting_.push_back(index);
    if (clicking_) {
        return;
    }
    clicking_ = true;
    while (!waiting_.empty()) {
        const int next = waiting_.front();
        waiting_.pop_front();
        emit clicked(next);
    }
    clicking_ = false;
}
