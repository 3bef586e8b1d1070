#include "GridBackgroundSelector.h"
#include "FakePlatform.h"
#include "PanelColours.h"
#include "Twips.h"

#include <QImage>

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

// A selector whose grid's default colour is the desktop's window colour, over pictures WP1 to
// WP16 in the program folder.
class GridBackgroundChoiceTest : public GridBackgroundSelectorTest {
protected:
    GridBackgroundChoiceTest() {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        for (int number = 1; number <= 16; ++number) {
            picture.save(fake.file(QString("WP%1.jpg").arg(number)));
        }
    }

    const QColor windowColour = QColor(250, 250, 240);
    GridBackgroundSelector planner{services,
                                   {[this](const QString& picture) { pictures.append(picture); },
                                    [this] { return gridColour; },
                                    [this](const QColor& colour) { gridColour = colour; },
                                    [this] { return windowColour; }},
                                   &window};
};

TEST_F(GridBackgroundChoiceTest, TheStoredSettingLoadsOrFallsBackToTheDefaultColour) {
    const struct {
        const char* stored;
        const char* picture; // shown last; "" none
        QColor colour;       // the grid's colour afterwards
        bool highlighted;
    } cases[] = {
        {"WP3", "WP3.jpg", Qt::white, true},           {"wp3", "wp3.jpg", Qt::white, false},
        {"WP17", "", QColor(250, 250, 240), false},    {"WP0", "", QColor(250, 250, 240), false},
        {"Default", "", QColor(250, 250, 240), false}, {"255", "", QColor(255, 0, 0), false},
        {"blue", "", QColor(250, 250, 240), false},    {"", "", QColor(250, 250, 240), false},
    };
    for (const auto& c : cases) {
        gridColour = Qt::white;
        pictures.clear();
        planner.loadSetting(c.stored);
        const QString picture = *c.picture == 0 ? QString() : fake.file(c.picture);
        EXPECT_EQ(pictures.value(pictures.size() - 1), picture) << c.stored;
        EXPECT_EQ(gridColour, c.colour) << c.stored;
        EXPECT_FALSE(planner.settingToSave().has_value()) << c.stored;
        planner.toggle(nullptr);
        EXPECT_EQ(planner.selectionFrame->isVisible(), c.highlighted) << c.stored;
        planner.toggle(nullptr);
    }
}

TEST_F(GridBackgroundChoiceTest, OnlyAChoiceThatStandsIsSavedAndACancelTakesItOut) {
    planner.loadSetting("WP2");
    planner.toggle(nullptr);
    EXPECT_EQ(planner.size(), Twips::toPixels(5445, 6600));
    EXPECT_EQ(planner.Image3[5]->geometry(), Twips::toPixels(1460, 1839, 1200, 1255));
    EXPECT_EQ(planner.Image3[15]->geometry(), Twips::toPixels(4060, 4557, 1200, 1255));
    EXPECT_FALSE(planner.Image3[0]->icon().isNull());
    planner.Command16[1]->click();
    EXPECT_TRUE(planner.Image3[0]->icon().isNull()); // released with the panel
    EXPECT_EQ(gridColour, windowColour);
    EXPECT_EQ(planner.settingToSave(), "Default");

    // A preview offers "Use Above" from then on, also in later showings.
    planner.toggle(nullptr);
    planner.Image3[6]->click();
    planner.Command16[3]->click();
    EXPECT_FALSE(planner.settingToSave().has_value());
    EXPECT_EQ(pictures.back(), ""); // the default colour shows again
    planner.toggle(nullptr);
    EXPECT_TRUE(planner.Command16[2]->isEnabled());
    planner.Command16[2]->click();
    EXPECT_EQ(planner.settingToSave(), "WP7");

    fake.dialogs.colors = {QColor(0, 0, 255)};
    planner.toggle(nullptr);
    planner.Command16[0]->click();
    EXPECT_EQ(planner.settingToSave(), QString::number(0xFF0000));
    planner.toggle(nullptr);
    planner.Command16[0]->click(); // cancelled: the picture of the setting stays off the grid
    EXPECT_FALSE(planner.settingToSave().has_value());
}

} // namespace
