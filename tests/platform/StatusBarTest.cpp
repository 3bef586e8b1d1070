#include "StatusBar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(StatusBar, PanelsReportTheirClicksAndTexts) {
    StatusBar bar;
    bar.setPanelText(1, "Click Start to begin this activity");
    bar.setPanelText(2, "Click to Restore Top Toolbar");
    bar.setPanelToolTip(2, "Click to Restore Top Toolbar");
    EXPECT_FALSE(bar.isPanelShown(2));
    bar.setPanelVisible(2, true);
    bar.resize(600, 30);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    QSignalSpy clicks(&bar, &StatusBar::panelClicked);
    QTest::mouseClick(bar.panel(2), Qt::LeftButton);
    QTest::mouseClick(bar.panel(1), Qt::LeftButton);
    QTest::mouseClick(bar.panel(2), Qt::RightButton);
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 1);

    EXPECT_EQ(bar.panelText(2), "Click to Restore Top Toolbar");
    EXPECT_EQ(bar.panel(2)->accessibleName(), "Click to Restore Top Toolbar");
    EXPECT_TRUE(bar.isPanelShown(2));
    EXPECT_FALSE(bar.isPanelShown(3));
}

} // namespace
