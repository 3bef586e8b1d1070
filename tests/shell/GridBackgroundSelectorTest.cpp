#include "GridBackgroundSelector.h"
#include "FakePlatform.h"
#include "PanelColours.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class GridBackgroundSelectorTest : public ::testing::Test {
protected:
    GridBackgroundSelectorTest() {
        window.resize(800, 600);
        window.show();
    }

    FakePlatform fake;
    Services services{fake.platform};
    QWidget window;
    QStringList pictures;
    QColor gridColour = Qt::white;
    GridBackgroundSelector selector{services,
                                    {[this](const QString& picture) { pictures.append(picture); },
                                     [this] { return gridColour; },
                                     [this](const QColor& colour) { gridColour = colour; }},
                                    &window};
};

TEST_F(GridBackgroundSelectorTest, APreviewedPictureBecomesTheSettingOnlyWhenUsed) {
    selector.setSetting("WP3");
    selector.toggle(&window);
    ASSERT_TRUE(selector.isVisible());
    EXPECT_TRUE(selector.selectionFrame->isVisible()); // framing the current picture
    EXPECT_FALSE(selector.Command16[2]->isEnabled());

    selector.Image3[4]->click();
    EXPECT_EQ(pictures.back(), fake.file("WP5.jpg"));
    EXPECT_TRUE(selector.Command16[2]->isEnabled());

    QSignalSpy changed(&selector, &GridBackgroundSelector::settingChanged);
    selector.Command16[3]->click(); // Cancel takes the preview back
    EXPECT_EQ(selector.setting(), "WP3");
    EXPECT_EQ(pictures.back(), fake.file("WP3.jpg"));
    EXPECT_FALSE(selector.isVisible());

    selector.toggle(&window);
    selector.Image3[4]->click();
    selector.Command16[2]->click();
    EXPECT_EQ(selector.setting(), "WP5");
    EXPECT_EQ(changed.count(), 1);

    selector.toggle(&window);
    selector.toggle(&window); // open, then closed again
    EXPECT_FALSE(selector.isVisible());
}

TEST_F(GridBackgroundSelectorTest, AColourOrTheDefaultReplacesThePicture) {
    selector.setSetting("WP2");
    selector.toggle(&window);
    selector.Command16[0]->click(); // the colour dialog is cancelled
    EXPECT_EQ(selector.setting(), "WP2");
    EXPECT_EQ(pictures.back(), fake.file("WP2.jpg"));

    fake.dialogs.colors = {QColor(255, 0, 0)};
    selector.toggle(&window);
    selector.Command16[0]->click();
    EXPECT_EQ(selector.setting(), "255");
    EXPECT_EQ(gridColour, QColor(255, 0, 0));
    EXPECT_EQ(pictures.back(), "");

    selector.toggle(&window);
    selector.Command16[1]->click();
    EXPECT_EQ(selector.setting(), "Default");
    EXPECT_EQ(gridColour, systemDefaultColour());
}

} // namespace
