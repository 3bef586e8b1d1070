#pragma once

#include <QObject>

#include <deque>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A set of option buttons of which one is selected, as the classic windows had them. Selecting an
// option, by a click, by the arrow keys, from code or in any other way that checks it (an
// assistive technology's toggle), runs the group's click once with its index, also when that
// option was selected already by a click or from code. The click never runs inside itself: an
// option selected while the click runs (from its own code, or by input handled at one of its
// yields) is selected at once and clicked after the running click has returned.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent = nullptr);

    // Adds an option button; the indexes count from 0 in the order of adding.
    int add(QRadioButton* button);
    QRadioButton* button(int index) const { return buttons_.at(std::size_t(index)); }
    int count() const { return int(buttons_.size()); }

    // Selects option index and runs the click once. An index outside the group changes nothing.
    void select(int index);
    // The selected option's index; -1 while none is selected.
    int selected() const;

signals:
    void clicked(int index);

private:
    void runClick(int index);

    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    // Between a button's press and its release a check comes from a click, which runs the click
    // itself; inside select() the check is select()'s own.
    bool pressed_ = false;
    bool selecting_ = false;
    bool clicking_ = false;
    std::deque<int> waiting_;
};
