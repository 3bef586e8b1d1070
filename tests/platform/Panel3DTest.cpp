#include "Panel3D.h"

#include "DrawnContrast.h"
#include "ScreenReader.h"
#include "TextContrast.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

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
        bool percentShown;
        QString name;
        QString description;
    };
    const Case cases[] = {
        {"Status", "Backup Complete", Panel3D::kNoFlood, true, "Backup Complete", "Status"},
        {"Message", "Welcome to Hangman\rClick Start to Begin", Panel3D::kNoFlood, true,
         "Welcome to Hangman Click Start to Begin", "Message"},
        {"Words Used", "", 40, true, "40%", "Words Used"},
        {"Players", "   ", Panel3D::kNoFlood, true, "Players", ""}, // blanks show nothing
        {"Wins", "Wins", Panel3D::kNoFlood, true, "Wins", ""},
        // A gauge carrying its own text (a countdown's seconds) is read by that text alone.
        {"Countdown", "07", 70, false, "07", "Countdown"},
        {"Countdown", "", 100, false, "Countdown", ""},
    };
    for (const Case& c : cases) {
        Panel3D panel;
        panel.setAccessibleName(c.given);
        panel.setCaption("Before");
        panel.setCaption(c.caption);
        panel.setFloodPercent(c.percent);
        panel.setPercentShown(c.percentShown);
        EXPECT_EQ(spokenName(&panel), c.name) << c.given;
        EXPECT_EQ(spokenDescription(&panel), c.description) << c.given;
    }
}

// Text stands out from what lies under it, over the bar and beside it: the fore colour where it
// does, else black or white.
TEST(Panel3DTest, TextIsDrawnReadableOverTheBarAndThePanel) {
    const struct {
        const char* what;
        QColor fore, back, flood;
        int percent;
        bool percentShown;
    } cases[] = {
        {"seconds, black, over a blue bar", Qt::black, QColor(0xf0, 0xf0, 0xf0), Qt::blue, 100,
         false},
        {"a print sample, black, on blue", Qt::black, QColor(0, 0, 128), Qt::blue,
         Panel3D::kNoFlood, false},
        {"a percentage, half over a blue bar", Qt::black, QColor(0xf0, 0xf0, 0xf0), Qt::blue, 50,
         true},
        {"white on a light panel, a yellow bar", Qt::white, QColor(0xc0, 0xc0, 0xc0), Qt::yellow,
         50, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Panel3D panel(nullptr, c.percentShown ? QString() : QString("88 88 88 88"));
        panel.resize(200, 40);
        panel.setForeColour(c.fore);
        panel.setBackColour(c.back);
        panel.setFloodColour(c.flood);
        panel.setFloodFrom(Panel3D::FloodFrom::Left);
        panel.setPercentShown(c.percentShown);
        panel.setFloodPercent(c.percent);
        const QImage image = panel.grab().toImage();
        const QRect inside = panel.contentsRect();
        const int barEnd = c.percent == Panel3D::kNoFlood ? 0 : inside.width() * c.percent / 100;
        const QRect flooded(inside.left(), inside.top(), barEnd, inside.height());
        const QRect rest(inside.left() + barEnd, inside.top(), inside.width() - barEnd,
                         inside.height());
        if (!flooded.isEmpty()) {
            EXPECT_GE(drawnContrast(image, flooded, c.flood), TextContrast::kReadable);
        }
        if (rest.width() > 0) {
            EXPECT_GE(drawnContrast(image, rest, c.back), TextContrast::kReadable);
        }
    }
}

// A pressable panel is a button: Enter, Space and the press action of assistive technology click
// it; a plain panel takes neither the focus nor the keys.
TEST(Panel3DTest, APressablePanelIsPressedFromTheKeyboardAndByAssistiveTechnology) {
    for (const bool pressable : {true, false}) {
        SCOPED_TRACE(pressable ? "pressable" : "plain");
        QWidget window;
        Panel3D panel(&window, "History");
        panel.setPressable(pressable);
        int clicks = 0;
        QObject::connect(&panel, &Panel3D::clicked, [&clicks] { ++clicks; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Tab);
        EXPECT_EQ(panel.hasFocus(), pressable);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A}) {
            QTest::keyClick(&panel, key);
        }
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&panel);
        const bool offered = reader->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction());
        EXPECT_EQ(offered, pressable);
        if (offered) {
            reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        EXPECT_EQ(clicks, pressable ? 4 : 0);
        EXPECT_EQ(reader->role(), pressable ? QAccessible::Button : QAccessible::StaticText);
        // Disabled, it is not pressed.
        panel.setEnabled(false);
        panel.press();
        EXPECT_EQ(clicks, pressable ? 4 : 0);
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

// A panel's caption under the panels it holds (a clue's name under the counts of a check) is
// not read while no more than slivers of it show between them; the panel is then read by the
// name its owner gave. Uncovered, or with no caption, it reads what shows.
TEST(Panel3DTest, ACaptionHiddenByThePanelsItHoldsIsNotRead) {
    Panel3D information;
    information.resize(200, 90);
    information.setCaption("8 - Across");
    information.setAccessibleName("Information Panel");
    std::array<Panel3D*, 3> counts{};
    for (int i = 0; i < 3; ++i) {
        counts[std::size_t(i)] = new Panel3D(&information);
    }
    information.show();
    const QRect text = information.fontMetrics().boundingRect(
        information.captionArea(), Qt::AlignCenter | Qt::TextWordWrap, "8 - Across");
    const struct {
        int gap; // rows of the caption left between the two panels over it
        bool read;
    } cases[] = {{0, false}, {text.height() / 5, false}, {text.height() / 2, true}};
    for (const auto& step : cases) {
        SCOPED_TRACE(step.gap);
        counts[0]->setGeometry(0, 0, 200, text.center().y() - step.gap / 2);
        counts[1]->setGeometry(0, counts[0]->height() + step.gap, 200, 90);
        counts[2]->hide();
        EXPECT_EQ(spokenName(&information), step.read ? "8 - Across" : "Information Panel");
    }
    for (Panel3D* count : counts) {
        count->hide();
    }
    EXPECT_EQ(spokenName(&information), "8 - Across");
    // A gauge's percentage shows with no caption to hide.
    information.setCaption({});
    information.setFloodPercent(40);
    counts[0]->show();
    counts[0]->setGeometry(0, 0, 10, 10);
    EXPECT_EQ(spokenName(&information), "40%");
}

} // namespace
