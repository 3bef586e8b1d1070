#include "Toolbar.h"
#include "FakePlatform.h"
#include "ToolbarCustomizeDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

void PrintTo(const ToolbarButtonPlace& place, std::ostream* out) {
    *out << (place.shown ? "" : "-") << place.number;
}

namespace {

const QString kKey = "korvane45";

// Buttons 1 to 20 in order, with the given ones hidden and the given ones moved to the front.
ToolbarLayout layoutWith(QList<int> front, QList<int> hidden) {
    ToolbarLayout layout;
    for (int number : front) {
        layout.append({number, !hidden.contains(number)});
    }
    for (int number = 1; number <= Toolbar::kButtons; ++number) {
        if (!front.contains(number)) {
            layout.append({number, !hidden.contains(number)});
        }
    }
    return layout;
}

QStringList shownKeys(const Toolbar& toolbar) {
    QStringList keys;
    for (const QAction* action : toolbar.actions()) {
        keys.append(action->objectName());
    }
    return keys;
}

TEST(Toolbar, LayoutSavedByOneToolbarIsRestoredByAnother) {
    MemoryRegistry registry;
    Toolbar customised;
    customised.setButtonLayout(layoutWith({5, 2}, {3, 19}));
    customised.saveLayout(registry, kKey);
    EXPECT_FALSE(registry.value(kKey, "User1", "Toolbar1").isEmpty());

    Toolbar other;
    ASSERT_TRUE(other.restoreLayout(registry, kKey));
    EXPECT_EQ(other.buttonLayout(), layoutWith({5, 2}, {3, 19}));
    EXPECT_EQ(shownKeys(other).mid(0, 4), (QStringList{"5", "2", "1", "4"}));
    EXPECT_EQ(shownKeys(other).size(), 18);

    // A button that changed its place still reports its own number.
    QSignalSpy clicks(&other, &Toolbar::buttonClicked);
    qobject_cast<QToolButton*>(other.widgetForAction(other.button(5)))->click();
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 5);

    // Another key is another layout.
    Toolbar birthyear;
    EXPECT_FALSE(birthyear.restoreLayout(registry, "korvane42"));
}

TEST(Toolbar, RestoringKeepsVisibilityAndEnabling) {
    MemoryRegistry registry;
    Toolbar saved;
    saved.setButtonLayout(layoutWith({}, {4, 6}));
    saved.saveLayout(registry, kKey);

    Toolbar toolbar;
    toolbar.hide();
    toolbar.setButtonEnabled(3, false);
    toolbar.setButtonEnabled(4, false);
    ASSERT_TRUE(toolbar.restoreLayout(registry, kKey));
    EXPECT_TRUE(toolbar.isHidden());
    EXPECT_FALSE(toolbar.isButtonEnabled(3));
    EXPECT_FALSE(toolbar.isButtonEnabled(4));
    EXPECT_TRUE(toolbar.isButtonEnabled(6)); // hidden, yet still enabled

    // Shown again, the hidden buttons come back with the enabling the window gave them.
    toolbar.setButtonLayout(ToolbarLayouts::designed(Toolbar::kButtons));
    EXPECT_FALSE(toolbar.isButtonEnabled(4));
    EXPECT_TRUE(toolbar.isButtonEnabled(6));
    EXPECT_EQ(shownKeys(toolbar).size(), Toolbar::kButtons);
}

TEST(Toolbar, EmptyOrMalformedStoredValueLeavesTheDesignedLayout) {
    const QList<QByteArray> values = {
        "",
        "rubbish",
        "1,2,3",                                                 // too few buttons
        "1,1,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",    // one twice
        "0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",    // out of range
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", // one too many
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,--20",  // double mark
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,",      // last one missing
    };
    for (const QByteArray& value : values) {
        MemoryRegistry registry;
        registry.setValue(kKey, "User1", "Toolbar1", value);
        Toolbar toolbar;
        EXPECT_FALSE(toolbar.restoreLayout(registry, kKey)) << value.constData();
        EXPECT_EQ(toolbar.buttonLayout(), ToolbarLayouts::designed(Toolbar::kButtons))
            << value.constData();
        EXPECT_EQ(shownKeys(toolbar).size(), Toolbar::kButtons);
    }
}

class ToolbarCustomizing : public ::testing::Test {
protected:
    // Runs the script in the customise dialog when it opens.
    bool customize(std::function<void(QWidget&)> script) {
        fake.modal.scripts.push_back(std::move(script));
        return toolbar.customize(fake.modal, fake.help);
    }

    static QListWidget& list(QWidget& dialog) { return *dialog.findChild<QListWidget*>("buttons"); }
    static void click(QWidget& dialog, const char* name) {
        dialog.findChild<QPushButton*>(name)->click();
    }
    static void click(QWidget& dialog, QDialogButtonBox::StandardButton button) {
        dialog.findChild<QDialogButtonBox*>("buttonBox")->button(button)->click();
    }

    FakePlatform fake;
    Toolbar toolbar;
};

TEST_F(ToolbarCustomizing, ConfirmedChangesAreAppliedAndReported) {
    QSignalSpy changed(&toolbar, &Toolbar::layoutChanged);
    EXPECT_TRUE(customize([](QWidget& dialog) {
        list(dialog).item(2)->setCheckState(Qt::Unchecked); // hide button 3
        list(dialog).setCurrentRow(4);                      // button 5 ...
        click(dialog, "moveUp");
        click(dialog, "moveUp"); // ... to the second place
        click(dialog, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(toolbar.buttonLayout(), layoutWith({1, 2, 5}, {3}));
    EXPECT_EQ(fake.modal.shownClasses, QStringList{"ToolbarCustomizeDialog"});
}

TEST_F(ToolbarCustomizing, CancelOrNoChangeKeepsTheLayoutSilently) {
    QSignalSpy changed(&toolbar, &Toolbar::layoutChanged);
    EXPECT_FALSE(customize([](QWidget& dialog) {
        list(dialog).item(0)->setCheckState(Qt::Unchecked);
        click(dialog, QDialogButtonBox::Cancel);
    }));
    EXPECT_FALSE(customize([](QWidget& dialog) {
        list(dialog).setCurrentRow(19);
        click(dialog, "moveDown"); // already last: nothing moves
        click(dialog, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(toolbar.buttonLayout(), ToolbarLayouts::designed(Toolbar::kButtons));
}

TEST_F(ToolbarCustomizing, ResetBringsBackTheDesignedLayout) {
    toolbar.setButtonLayout(layoutWith({7}, {1, 2}));
    EXPECT_TRUE(customize([](QWidget& dialog) {
        EXPECT_EQ(list(dialog).item(0)->text(), "Matching Game 2");
        EXPECT_EQ(list(dialog).item(1)->checkState(), Qt::Unchecked);
        click(dialog, QDialogButtonBox::Reset);
        click(dialog, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(toolbar.buttonLayout(), ToolbarLayouts::designed(Toolbar::kButtons));
}

TEST_F(ToolbarCustomizing, HelpShowsTheCustomizeTopic) {
    customize([](QWidget& dialog) { click(dialog, QDialogButtonBox::Help); });
    EXPECT_EQ(fake.help.namedTopics, QStringList{"customize"});
}

} // namespace
