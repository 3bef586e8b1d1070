#include "Announcement.h"
#include "AccessibilityEvents.h"
#include "Panel3D.h"
#include "ScreenReader.h"

#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A window with a button that keeps the focus and panels whose texts change meanwhile.
class AnnouncementTest : public ::testing::Test {
protected:
    AnnouncementTest() {
        window.resize(300, 200);
        verdict->setGeometry(0, 0, 200, 40);
        verdict->setLive(true);
        verdict->setAccessibleName("Verdict");
        score->setGeometry(0, 50, 200, 40);
        score->setAccessibleName("Score");
        window.show();
        button->setFocus();
        QCoreApplication::processEvents();
        heard.clear();
    }

    AccessibilityEvents heard;
    QWidget window;
    QPushButton* button = new QPushButton("&Next", &window);
    Panel3D* verdict = new Panel3D(&window);
    Panel3D* score = new Panel3D(&window);
};

TEST_F(AnnouncementTest, TextsToldInOneHandlerAreSpokenTogetherInOrderOnceItReturns) {
    Announcement::announce(*button, "Player X Select A Topic");
    verdict->setCaption("That is\rCorrect!");
    EXPECT_TRUE(heard.of(Announcement::notifier(window), QAccessible::ObjectShow).isEmpty())
        << "told only once the handler returns";
    EXPECT_EQ(heard.announcements(), QStringList{"Player X Select A Topic\nThat is Correct!"});
    heard.clear();
    // Each new text of a live panel is told; a panel not live, an empty or unchanged text, or a
    // control that does not show tells nothing.
    verdict->setCaption("That is Correct!");
    score->setCaption("Score 10");
    verdict->setCaption("");
    Announcement::announce(*button, "   ");
    score->hide();
    Announcement::announce(*score, "Score 20");
    EXPECT_TRUE(heard.announcements().isEmpty());
    verdict->setCaption("Incorrect!");
    EXPECT_EQ(heard.announcements(), QStringList{"Incorrect!"});
    heard.clear();
    // A control that tells twice in one handler is heard once, with its last text.
    verdict->setCaption("Player O Select A Topic");
    Announcement::announce(*button, "That is Correct!");
    verdict->setCaption("Player X Wins This Game!");
    EXPECT_EQ(heard.announcements(), QStringList{"That is Correct!\nPlayer X Wins This Game!"});
}

TEST_F(AnnouncementTest, OneNotificationObjectServesTheWindowNeitherShowingNorFocused) {
    Announcement::announce(*button, "Please Type First Attempt");
    heard.announcements();
    QWidget* notifier = Announcement::notifier(window);
    ASSERT_NE(notifier, nullptr);
    EXPECT_EQ(notifier->parentWidget(), &window);
    EXPECT_FALSE(notifier->isVisible());
    EXPECT_EQ(notifier->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(notifier)->role(), QAccessible::Notification);
    EXPECT_FALSE(
        objectsReadAsShowing(&window).contains(QAccessible::queryAccessibleInterface(notifier)));
    // One notification object serves the window.
    Announcement::announce(*verdict, "Very Good - That is CORRECT!");
    EXPECT_EQ(heard.announcements().size(), 2);
    EXPECT_EQ(window.findChildren<QWidget*>("announcement").size(), 1);
}

// A panel named for what it is reads that as its description while it shows text: a screen
// reader following events hears both change when the text does.
TEST_F(AnnouncementTest, APanelsTextChangeTellsItsNewNameAndDescription) {
    score->setCaption("Score 10");
    const QList<AccessibilityEvents::Event> names = heard.of(score, QAccessible::NameChanged);
    const QList<AccessibilityEvents::Event> descriptions =
        heard.of(score, QAccessible::DescriptionChanged);
    ASSERT_EQ(names.size(), 1);
    ASSERT_EQ(descriptions.size(), 1);
    EXPECT_EQ(names.first().name, "Score 10");
    EXPECT_EQ(descriptions.first().description, "Score");
}

} // namespace
