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
    return index;
}

void OptionGroup::select(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    button(index)->setChecked(true);
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
