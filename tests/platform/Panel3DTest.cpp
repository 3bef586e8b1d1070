#include "Panel3D.h"

#include "ScreenReader.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The colour at a share of the panel's width and height.
QColor colourAt(Panel3D& panel, double x, double y) {
    const QImage image = panel.grab().toImage();
    return image.pixelColor(int(image.width() * x), int(image.height() * y));
}

TEST(Panel3DTest, AGaugeFillsItsShareFromTheChosenEdge) {
    Panel3D panel;
    panel.resize(200, 40);
    panel.setBackColour(Qt::white);
    panel.setFloodColour(Qt::blue);
    panel.setFloodPercent(50);
    // From the bottom: the lower half is filled across the whole width.
    EXPECT_EQ(colourAt(panel, 0.1, 0.8), QColor(Qt::blue));
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::white));
    panel.setFloodFrom(Panel3D::FloodFrom::Left);
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::blue));
    EXPECT_EQ(colourAt(panel, 0.9, 0.8), QColor(Qt::white));
    panel.setFloodPercent(Panel3D::kNoFlood);
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::white));
}

// A panel is heard as it is seen: by what it shows, its owner's name telling what it is.
TEST(Panel3DTest, AScreenReaderReadsWhatThePanelShows) {
    struct Case {
        const char* given; // the name its owner gave
        QString caption;
        int percent;
        QString name;
        QString description;
    };
    const Case cases[] = {
        {"Status", "Backup Complete", Panel3D::kNoFlood, "Backup Complete", "Status"},
        {"Message", "Welcome to Hangman\rClick Start to Begin", Panel3D::kNoFlood,
         "Welcome to Hangman Click Start to Begin", "Message"},
        {"Words Used", "", 40, "40%", "Words Used"},
        {"Players", "   ", Panel3D::kNoFlood, "Players", ""}, // blanks show nothing
        {"Wins", "Wins", Panel3D::kNoFlood, "Wins", ""},
    };
    for (const Case& c : cases) {
        Panel3D panel;
        panel.setAccessibleName(c.given);
        panel.setCaption("Before");
        panel.setCaption(c.caption);
        panel.setFloodPercent(c.percent);
        EXPECT_EQ(spokenName(&panel), c.name) << c.given;
        EXPECT_EQ(spokenDescription(&panel), c.description) << c.given;
    }
}

// What another control covers whole is not read as showing; once uncovered it is read again.
TEST(Panel3DTest, AScreenReaderSkipsWhatACoveringControlHides) {
    Panel3D frame;
    frame.resize(300, 200);
    auto* message = new Panel3D(&frame); // beneath the banner, stacked first
    message->setGeometry(10, 10, 200, 50);
    message->setCaption("Selected Words");
    auto* banner = new Panel3D(&frame);
    banner->setGeometry(10, 10, 200, 50);
    banner->setCaption("Click Mode");
    auto* picture = new QLabel("apple", &frame); // a card's picture under the card's back
    picture->setGeometry(20, 100, 40, 40);
    auto* back = new QPushButton("A", &frame);
    back->setGeometry(15, 95, 60, 60);
    auto* halfCovered = new QLabel("Score", &frame); // half of it shows
    halfCovered->setGeometry(200, 100, 80, 40);
    auto* side = new Panel3D(&frame);
    side->setGeometry(240, 90, 60, 60);
    auto* holder = new Panel3D(&frame); // a chart covers only its upper half, and its text
    holder->setGeometry(100, 160, 100, 30);
    holder->setAccessibleName("Lighter Side");
    auto* lighter = new QLabel("Lighter", holder);
    lighter->setGeometry(5, 2, 90, 10);
    auto* chart = new Panel3D(&frame);
    chart->setGeometry(90, 155, 120, 20);
    frame.show();

    const auto shownNames = [&] {
        QStringList names;
        for (QAccessibleInterface* object : objectsReadAsShowing(&frame)) {
            names.append(object->text(QAccessible::Name));
        }
        return names;
    };
    EXPECT_FALSE(shownNames().contains("Selected Words"));
    EXPECT_FALSE(shownNames().contains("apple"));
    EXPECT_TRUE(shownNames().contains("Click Mode"));
    EXPECT_TRUE(shownNames().contains("Score"));
    EXPECT_TRUE(shownNames().contains("Lighter Side"));
    EXPECT_FALSE(shownNames().contains("Lighter"));
    EXPECT_FALSE(readAsShowing(QAccessible::queryAccessibleInterface(message)));

    banner->hide();
    back->hide();
    EXPECT_TRUE(shownNames().contains("Selected Words"));
    EXPECT_TRUE(shownNames().contains("apple"));
    // A panel of no colour hides nothing.
    banner->setBackColour(Qt::transparent);
    banner->show();
    EXPECT_TRUE(shownNames().contains("Selected Words"));
}

} // namespace
