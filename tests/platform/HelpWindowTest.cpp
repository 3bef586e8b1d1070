#include "HelpWindow.h"
#include "FakePlatform.h"
#include "HelpViewer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// Contents, then two topics, each followed by enough text to need scrolling.
QByteArray helpFile() {
    QByteArray filler;
    for (int line = 0; line < 80; ++line) {
        filler += "<p>More about this topic.</p>\n";
    }
    return "<html><body><a name=\"contents\"></a><h1>Contents</h1>\n"
           "<p><a href=\"#1000\">Program Overview</a><br><a href=\"#2002\">Crossword "
           "Puzzles</a></p>\n" +
           filler + "<a name=\"1000\"></a><h2>Program Overview</h2>\n" + filler +
           "<a name=\"2002\"></a><h2>Crossword Puzzles \xE2\x80\x93 how to play</h2>\n" + filler +
           "</body></html>\n";
}

// The first line of text at the top of the visible part of the browser.
std::string topLine(const QTextBrowser& browser) {
    return browser.cursorForPosition(QPoint(4, 4)).block().text().toStdString();
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile file(fake.file("Korvane.hlp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(helpFile());
    }

    HelpWindow& shownWindow() {
        HelpWindow* window = viewer.window();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }
    static void click(HelpWindow& window, const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }

    FakePlatform fake;
    WindowHelpViewer viewer{fake.folder, fake.dialogs};
};

TEST_F(HelpTest, ShowsTheTopicOfAContextInOneReusedWindow) {
    viewer.showTopic(2002);
    HelpWindow& window = shownWindow();
    EXPECT_EQ(window.message().toStdString(), "");
    EXPECT_EQ(topLine(window.browser()), "Crossword Puzzles \xE2\x80\x93 how to play");

    viewer.showTopic(1000);
    EXPECT_EQ(viewer.window(), &window);
    EXPECT_EQ(topLine(window.browser()), "Program Overview");

    click(window, "back");
    EXPECT_EQ(window.browser().source().fragment().toStdString(), "2002");
    click(window, "contents");
    EXPECT_EQ(topLine(window.browser()), "Contents");
}

TEST_F(HelpTest, AnUnknownContextShowsTheContentsWithAMessage) {
    viewer.showTopic(4444);
    HelpWindow& window = shownWindow();
    EXPECT_TRUE(window.message().contains("4444")) << window.message().toStdString();
    EXPECT_EQ(topLine(window.browser()), "Contents");

    viewer.showContents();
    EXPECT_EQ(window.message().toStdString(), "");
}

TEST_F(HelpTest, AMissingFileShowsAMessage) {
    QFile::remove(fake.file("Korvane.hlp"));
    viewer.showContents();
    HelpWindow& window = shownWindow();
    EXPECT_TRUE(window.message().contains("Korvane.hlp")) << window.message().toStdString();
    EXPECT_TRUE(window.browser().toPlainText().isEmpty());

    // Put back, the file is read at the next call.
    SetUp();
    viewer.showTopic(1000);
    EXPECT_EQ(window.message().toStdString(), "");
    EXPECT_EQ(topLine(window.browser()), "Program Overview");
}

QByteArray repeated(const QByteArray& part, int times) {
    QByteArray bytes;
    for (int i = 0; i < times; ++i) {
        bytes += part;
    }
    return bytes;
}

QByteArray shippedHelpFile() {
    QFile file(QString(KORVANE_SHIPPED_DATA_DIR) + "/Korvane.hlp");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes() {
    QByteArray bytes(64 * 1024, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245 + 12345;
        byte = char(state >> 24);
    }
    return bytes;
}

TEST_F(HelpTest, EveryHelpFileGivesAPageOrTheMessagePromptly) {
    const QByteArray nested = "<table><tr><td>";
    const struct {
        const char* name;
        QByteArray content;
        bool readable;
        QString shownText; // a text the page shows, when it is readable
    } cases[] = {
        {"the shipped file", shippedHelpFile(), true, "Program Overview: the main window"},
        {"an empty file", "", true, ""},
        {"random bytes", randomBytes(), true, ""},
        {"tables 10 deep", repeated(nested, 10) + "deep", true, "deep"},
        {"markup the format does not use",
         "<p style=\"x\" onclick=\"y\">Hi <script>run()</script><img src=\"a.png\"></p>", true,
         "Hi <script>run()</script><img src=\"a.png\">"},
        {"tables 5000 deep", repeated(nested, 5000), false, ""},
        {"lists 500 deep", repeated("<ul><li>", 500), false, ""},
        {"30000 tags", repeated("<br>", 30000), false, ""},
        {"3 MB of text", repeated("<p>Some help text.</p>\n", 3 * 1024 * 1024 / 23), false, ""},
    };
    for (const auto& testCase : cases) {
        QFile file(fake.file("Korvane.hlp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testCase.content);
        file.close();
        fake.dialogs.shown.clear();
        WindowHelpViewer fresh(fake.folder, fake.dialogs);

        QElapsedTimer clock;
        clock.start();
        fresh.showTopic(1000);
        EXPECT_LT(clock.elapsed(), 5000) << testCase.name;

        if (!testCase.readable) {
            ASSERT_EQ(fake.dialogs.shown.size(), 1) << testCase.name;
            EXPECT_EQ(fake.dialogs.shown[0].text, "The help file could not be read.");
            EXPECT_EQ(fake.dialogs.shown[0].title, "Help");
            EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Information);
            EXPECT_FALSE(fresh.window()->isVisible()) << testCase.name;
            continue;
        }
        EXPECT_TRUE(fake.dialogs.shown.isEmpty()) << testCase.name;
        ASSERT_NE(fresh.window(), nullptr);
        EXPECT_TRUE(fresh.window()->isVisible()) << testCase.name;
        EXPECT_TRUE(fresh.window()->browser().toPlainText().contains(testCase.shownText))
            << testCase.name;
    }
}

TEST_F(HelpTest, StaysUsableOverAModalWindow) {
    auto activity = std::make_unique<QWidget>();
    activity->setWindowModality(Qt::ApplicationModal);
    activity->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(activity.get()));

    viewer.showTopic(2002);
    HelpWindow& window = shownWindow();
    // Clicked through the window system, where blocking by a modal window happens.
    const auto* contents = window.findChild<QPushButton*>("contents");
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      contents->mapTo(&window, contents->rect().center()));
    EXPECT_EQ(topLine(window.browser()), "Contents");

    // The window that asked for help may go; the help window stays.
    activity.reset();
    viewer.showTopic(1000);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(topLine(window.browser()), "Program Overview");
}

} // namespace
