#include "OptionGroup.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Three options in a shown window; every click is recorded with the selection seen inside it.
class OptionGroupTest : public ::testing::Test {
protected:
    OptionGroupTest() {
        auto* layout = new QVBoxLayout(&window);
        for (const char* caption : {"In Order", "In Random Order", "C.S."}) {
            auto* option = new QRadioButton(caption, &window);
            layout->addWidget(option);
            group.add(option);
        }
        QObject::connect(&group, &OptionGroup::clicked, [this](int index) {
            ++depth;
            deepest = std::max(deepest, depth);
            clicks.append(index);
            selectedInside.append(group.selected());
            if (onClick) {
                onClick(index);
            }
            --depth;
        });
        window.show();
        QCoreApplication::processEvents();
    }

    QWidget window;
    OptionGroup group;
    // A person's click on the option's circle.
    void clickOption(int index) {
        QRadioButton* option = group.button(index);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    QList<int> clicks;
    QList<int> selectedInside;
    std::function<void(int)> onClick;
    int depth = 0;
    int deepest = 0;
};

TEST_F(OptionGroupTest, ASelectionFromCodeClicksOnceAlsoWhenUnchanged) {
    EXPECT_EQ(group.selected(), -1);
    group.select(1);
    group.select(1);
    group.select(0);
    group.select(3); // no such option: nothing happens
    group.select(-1);
    EXPECT_EQ(clicks, (QList<int>{1, 1, 0}));
    EXPECT_EQ(selectedInside, (QList<int>{1, 1, 0}));
    EXPECT_EQ(group.selected(), 0);
}

TEST_F(OptionGroupTest, APersonsClickAndArrowKeysClickAlsoOnTheSelectedOption) {
    group.select(0);
    clicks.clear();
    clickOption(2);
    clickOption(2);
    group.button(2)->setFocus();
    QTest::keyClick(group.button(2), Qt::Key_Up);
    EXPECT_EQ(clicks, (QList<int>{2, 2, 1}));
    EXPECT_EQ(group.selected(), 1);
}

TEST_F(OptionGroupTest, AnOptionCheckedAnyOtherWayClicksOnce) {
    group.select(0);
    clicks.clear();
    selectedInside.clear();
    group.button(2)->toggle(); // as an assistive technology's toggle action does
    group.button(1)->setChecked(true);
    group.button(1)->toggle(); // the selected option cannot be unchecked: no choice
    EXPECT_EQ(clicks, (QList<int>{2, 1}));
    EXPECT_EQ(selectedInside, (QList<int>{2, 1}));
    EXPECT_EQ(group.selected(), 1);
}

TEST_F(OptionGroupTest, ASelectionInsideTheClickRunsAfterItNeverInsideIt) {
    // The click of option 0 selects option 2 from code, and a person clicks option 1 at its yield.
    onClick = [this](int index) {
        if (index == 0) {
            group.select(2);
            EXPECT_EQ(group.selected(), 2);
            clickOption(1);
            QCoreApplication::processEvents();
        }
    };
    group.select(0);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(clicks, (QList<int>{0, 2, 1}));
    EXPECT_EQ(group.selected(), 1);
}

} // namespace
