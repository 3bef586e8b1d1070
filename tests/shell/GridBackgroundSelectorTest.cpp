#include "GridBackgroundSelector.h"
#include "ColorNumber.h"
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
    EXPECT_FALSE(selector.choiceButtons[2]->isEnabled());

    selector.thumbnails[4]->click();
    EXPECT_EQ(pictures.back(), fake.file("WP5.jpg"));
    EXPECT_TRUE(selector.choiceButtons[2]->isEnabled());

    QSignalSpy changed(&selector, &GridBackgroundSelector::settingChanged);
    selector.choiceButtons[3]->click(); // Cancel takes the preview back
    EXPECT_EQ(selector.setting(), "WP3");
    EXPECT_EQ(pictures.back(), fake.file("WP3.jpg"));
    EXPECT_FALSE(selector.isVisible());

    selector.toggle(&window);
    selector.thumbnails[4]->click();
    selector.choiceButtons[2]->click();
    EXPECT_EQ(selector.setting(), "WP5");
    EXPECT_EQ(changed.count(), 1);

    selector.toggle(&window);
    selector.toggle(&window); // open, then closed again
    EXPECT_FALSE(selector.isVisible());
}

TEST_F(GridBackgroundSelectorTest, AColourOrTheDefaultReplacesThePicture) {
    selector.setSetting("WP2");
    selector.toggle(&window);
    selector.choiceButtons[0]->click(); // the colour dialog is cancelled
    EXPECT_EQ(selector.setting(), "WP2");
    EXPECT_EQ(pictures.back(), fake.file("WP2.jpg"));

    fake.dialogs.colors = {QColor(255, 0, 0)};
    selector.toggle(&window);
    selector.choiceButtons[0]->click();
    EXPECT_EQ(selector.setting(), "255");
    EXPECT_EQ(gridColour, QColor(255, 0, 0));
    EXPECT_EQ(pictures.back(), "");

    selector.toggle(&window);
    selector.choiceButtons[1]->click();
    EXPECT_EQ(selector.setting(), "Default");
    EXPECT_EQ(gridColour, systemDefaultColour());
}

TEST_F(GridBackgroundSelectorTest, OnlyChoicesSinceTheWindowOpenedAreSavedAndACancelDropsThem) {
    const QColor textArea(250, 250, 240);
    selector.setDefaultColour(textArea);
    using State = GridBackgroundSelector::State;
    EXPECT_EQ(selector.settingToSave(), std::nullopt);

    selector.toggle(&window);
    selector.choiceButtons[1]->click();
    EXPECT_EQ(selector.state(), State::Default);
    EXPECT_EQ(gridColour, textArea);
    EXPECT_EQ(selector.settingToSave(), QString("Default"));

    fake.dialogs.colors = {QColor(0, 0, 255)};
    selector.toggle(&window);
    selector.choiceButtons[0]->click();
    gridColour = QColor(1, 2, 3); // the grid's colour at the save is what is stored
    EXPECT_EQ(selector.settingToSave(), QString::number(0x030201));

    selector.toggle(&window);
    selector.thumbnails[15]->click();
    selector.choiceButtons[3]->click(); // Cancel: the earlier choice is no longer saved
    EXPECT_EQ(selector.state(), State::Unchanged);
    EXPECT_EQ(selector.settingToSave(), std::nullopt);
    EXPECT_EQ(pictures.back(), ""); // the preview taken back, the colour shows

    selector.toggle(&window);
    selector.choiceButtons[0]->click(); // a cancelled colour dialog drops it too
    EXPECT_EQ(selector.state(), State::Unchanged);
}

TEST_F(GridBackgroundSelectorTest, AboveTakesTheLastPreviewOfAnyShowingWithoutShowingIt) {
    QSignalSpy status(&selector, &GridBackgroundSelector::restoreStatus);
    selector.toggle(&window);
    EXPECT_FALSE(selector.choiceButtons[2]->isEnabled());
    selector.thumbnails[6]->click();
    selector.choiceButtons[3]->click();
    selector.toggle(&window);
    EXPECT_TRUE(selector.choiceButtons[2]->isEnabled()); // stays enabled from the first preview
    const int shown = int(pictures.size());
    selector.choiceButtons[2]->click();
    EXPECT_EQ(selector.setting(), "WP7");
    EXPECT_EQ(selector.settingToSave(), QString("WP7"));
    EXPECT_EQ(int(pictures.size()), shown);
    EXPECT_EQ(status.count(), 2); // every button gives the window its caption back
}

TEST_F(GridBackgroundSelectorTest, HidingLetsGoOfTheThumbnails) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(fake.file("WP1.jpg")));
    selector.toggle(&window);
    EXPECT_FALSE(selector.thumbnails[0]->icon().isNull());
    selector.toggle(&window);
    for (QToolButton* thumbnail : selector.thumbnails) {
        EXPECT_TRUE(thumbnail->icon().isNull());
    }
}

TEST_F(GridBackgroundSelectorTest, StoredSettingsGiveAPictureAColourOrTheDefault) {
    const QColor textArea(250, 250, 240);
    selector.setDefaultColour(textArea);
    const struct {
        QString stored;
        QString picture; // "-" when no picture is asked for
        QColor colour;
        QString setting;
        bool marked;
    } cases[] = {
        {"WP4  ", fake.file("WP4.jpg"), Qt::white, "WP4", true},
        {"wp4", fake.file("wp4.jpg"), Qt::white, "wp4", false},
        {"WP17", fake.file("WP17.jpg"), Qt::white, "WP17", false},
        {"WPx", "", textArea, QString::number(ColorNumber::fromColor(textArea)), false},
        {"Default", "", textArea, QString::number(ColorNumber::fromColor(textArea)), false},
        {"255", "", QColor(255, 0, 0), "255", false},
        {"", "", textArea, QString::number(ColorNumber::fromColor(textArea)), false},
    };
    for (const auto& c : cases) {
        gridColour = Qt::white;
        pictures.clear();
        selector.loadSetting(c.stored);
        EXPECT_EQ(pictures.value(0), c.picture) << c.stored.toStdString();
        EXPECT_EQ(gridColour, c.colour) << c.stored.toStdString();
        EXPECT_EQ(selector.setting(), c.setting);
        selector.toggle(&window);
        EXPECT_EQ(selector.selectionFrame->isVisible(), c.marked) << c.stored.toStdString();
        selector.toggle(&window);
    }
}

TEST_F(GridBackgroundSelectorTest, TheDesignPlacesFourRowsOfFour) {
    selector.setDesign({5445,
                        6285,
                        1200,
                        1190,
                        {160, 1460, 2760, 4060},
                        {396, 1745, 3035, 4324},
                        1260,
                        1249,
                        5653,
                        496,
                        {160, 1410, 2845, 4115},
                        {1215, 1410, 1215, 1175}});
    EXPECT_EQ(selector.size(), Twips::toPixels(5445, 6285));
    EXPECT_EQ(selector.thumbnails[5]->geometry(), Twips::toPixels(1460, 1745, 1200, 1190));
    EXPECT_EQ(selector.choiceButtons[3]->geometry(), Twips::toPixels(4115, 5653, 1175, 496));
    selector.setSetting("WP6");
    selector.toggle(&window);
    EXPECT_EQ(selector.selectionFrame->geometry(), Twips::toPixels(1430, 1715, 1260, 1249));
}

} // namespace
