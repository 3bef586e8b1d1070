#include "ElasticResizer.h"
#include "CaptionFit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// A window of 400 x 300 with a 10-point frame and a label inside the frame.
struct DesignedWindow {
    DesignedWindow() {
        window.resize(400, 300);
        frame->setGeometry(40, 30, 100, 60);
        frame->setFont(QFont("Sans", 10));
        label->setGeometry(10, 10, 50, 20);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    QFrame* frame = new QFrame(&window);
    QLabel* label = new QLabel("Word", frame);
};

TEST(ElasticResizer, ScalesEveryControlWithTheWindowWhileEnabled) {
    DesignedWindow design;
    ElasticResizer resizer(design.window);
    resizer.setEnabled(true);
    design.window.resize(800, 600);

    EXPECT_EQ(design.frame->geometry(), QRect(80, 60, 200, 120));
    EXPECT_EQ(design.label->geometry(), QRect(20, 20, 100, 40));
    EXPECT_DOUBLE_EQ(design.frame->font().pointSizeF(), 20);
    EXPECT_DOUBLE_EQ(design.label->font().pointSizeF(), 20);

    // Back to the designed size gives the designed layout.
    design.window.resize(400, 300);
    EXPECT_EQ(design.frame->geometry(), QRect(40, 30, 100, 60));
    EXPECT_DOUBLE_EQ(design.label->font().pointSizeF(), 10);

    resizer.setEnabled(false);
    design.window.resize(800, 600);
    EXPECT_EQ(design.frame->geometry(), QRect(40, 30, 100, 60));
    EXPECT_DOUBLE_EQ(design.frame->font().pointSizeF(), 10);

    // Enabling again catches up with the present size.
    resizer.setEnabled(true);
    EXPECT_EQ(design.frame->geometry(), QRect(80, 60, 200, 120));
}

TEST(ElasticResizer, KeepsWhatTheWindowsCodeChanged) {
    DesignedWindow design;
    ElasticResizer resizer(design.window);
    resizer.setEnabled(true);
    design.window.resize(800, 600);

    design.frame->move(200, 100);
    design.label->setFont(QFont("Sans", 30));
    design.window.resize(400, 300);
    EXPECT_EQ(design.frame->geometry(), QRect(100, 50, 100, 60));
    EXPECT_DOUBLE_EQ(design.label->font().pointSizeF(), 15);
    EXPECT_DOUBLE_EQ(design.frame->font().pointSizeF(), 10);
}

// A check box the window's code moves after the load (an option placed as a panel opens) stands
// where its design says at the window's present size, its caption whole, and stays there through
// later rescales.
TEST(ElasticResizer, PlacesAControlMovedAfterTheLoadScaledWithItsCaptionFitted) {
    DesignedWindow design;
    auto* option = new QCheckBox("Print Grid Lines", design.frame);
    option->setGeometry(5, 5, 40, 14);
    ElasticResizer resizer(design.window);
    resizer.setEnabled(true);
    design.window.resize(800, 600);

    resizer.place(*option, QRect(5, 35, 40, 14));
    EXPECT_EQ(option->y(), 70);
    EXPECT_EQ(option->x(), 10);
    EXPECT_GE(option->width(), 80);
    const int needed = option->fontMetrics().size(Qt::TextShowMnemonic, option->text()).width();
    EXPECT_LE(needed, CaptionFit::captionRoom(*option).width());

    design.window.resize(400, 300);
    EXPECT_EQ(option->y(), 35) << "the placed design holds";
    EXPECT_EQ(ElasticResizer::of(design.window), &resizer);
}

TEST(ElasticResizer, ScalesControlsWithTheAreaAMainWindowGivesThem) {
    QMainWindow window;
    auto* toolbar = window.addToolBar("Toolbar1");
    toolbar->addAction("Main Menu");
    auto* central = new QWidget;
    window.setCentralWidget(central);
    auto* panel = new QFrame(central);
    panel->setGeometry(100, 50, 200, 100);
    window.resize(400, 300);

    ElasticResizer resizer(window); // before the window was ever shown
    resizer.setEnabled(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize designedArea = central->size();
    window.resize(800, 600);

    const double x = double(central->width()) / designedArea.width();
    const double y = double(central->height()) / designedArea.height();
    EXPECT_DOUBLE_EQ(x, 2.0);
    EXPECT_GT(y, 2.0); // the toolbar keeps its height
    EXPECT_EQ(panel->geometry(), QRect(200, qRound(50 * y), 400, qRound(100 * y)));
    EXPECT_EQ(toolbar->parentWidget(), &window);
    EXPECT_EQ(toolbar->width(), window.width()); // the main window still places its toolbar

    // Hiding the toolbar gives the area more height while the window keeps its size; showing it
    // again gives the area, and the panel, the height they had.
    const QRect withToolbar = panel->geometry();
    toolbar->hide();
    QCoreApplication::processEvents();
    const double taller = double(central->height()) / designedArea.height();
    EXPECT_GT(taller, y);
    EXPECT_EQ(panel->geometry(), QRect(200, qRound(50 * taller), 400, qRound(100 * taller)));
    toolbar->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->geometry(), withToolbar);
    EXPECT_EQ(resizer.factors(*panel), QSizeF(x, y));
}

} // namespace
