#include "InWindowDrag.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A label that begins a drag when pressed and counts the mouse moves and clicks it is given.
class DragLabel : public QLabel {
public:
    DragLabel(const QString& text, QWidget* parent, InWindowDrag& drag)
        : QLabel(text, parent), drag_(drag) {}
    int moves = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { drag_.begin(this); }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }

private:
    InWindowDrag& drag_;
};

// Two word boxes on a panel: the boxes are targets, and so is the panel's background.
class InWindowDragTest : public ::testing::Test {
protected:
    InWindowDragTest() : drag(&window) {
        window.resize(300, 200);
        panel = new QWidget(&window);
        panel->setGeometry(0, 0, 300, 200);
        first = new DragLabel("first", panel, drag);
        first->setGeometry(10, 10, 80, 30);
        second = new DragLabel("second", panel, drag);
        second->setGeometry(150, 10, 80, 30);
        for (QWidget* target :
             {static_cast<QWidget*>(first), static_cast<QWidget*>(second), panel}) {
            drag.addTarget(
                target,
                [this, target](QWidget* source) { log << name(source) + ">" + name(target); },
                [this, target](QWidget* source) {
                    log << name(source) + "~" + name(target);
                    if (cancelOver == target) {
                        drag.cancel();
                    }
                });
        }
        window.show();
        QCoreApplication::processEvents();
    }

    QString name(QWidget* widget) const {
        return widget == first ? "first" : widget == second ? "second" : "panel";
    }

    void dragFirstTo(const QPoint& at) {
        QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(&window, at);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, at);
    }

    QWidget window;
    InWindowDrag drag;
    QWidget* panel;
    DragLabel* first;
    DragLabel* second;
    QWidget* cancelOver = nullptr;
    QStringList log;
};

TEST_F(InWindowDragTest, TheTargetUnderTheReleaseReceivesTheDropNamingTheSource) {
    dragFirstTo(QPoint(160, 20));
    EXPECT_EQ(log, (QStringList{"first~second", "first>second"}));
    EXPECT_FALSE(drag.active());
    // No mouse handler of the window ran while the drag lasted.
    EXPECT_EQ(first->moves + first->releases + second->moves + second->releases, 0);

    log.clear();
    dragFirstTo(QPoint(150, 150));
    EXPECT_EQ(log, (QStringList{"first~panel", "first>panel"}));
}

TEST_F(InWindowDragTest, ACancelledDragDropsNothingAndTheWindowGetsItsMouseBackAfterTheRelease) {
    cancelOver = second;
    dragFirstTo(QPoint(160, 20));
    EXPECT_EQ(log, (QStringList{"first~second"}));
    EXPECT_FALSE(drag.active());
    EXPECT_EQ(first->releases + second->releases, 0);
    first->setMouseTracking(true);
    QTest::mouseMove(first, QPoint(20, 20));
    EXPECT_EQ(first->moves, 1);
}

TEST_F(InWindowDragTest, AReleaseTheWindowNeverSawEndsTheDragAtTheNextMove) {
    QTest::mousePress(first, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_TRUE(drag.active());
    // The button is let go over a popup menu: the next move holds no button.
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), first->mapToGlobal(QPointF(20, 20)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(first, &move);
    EXPECT_FALSE(drag.active());
    EXPECT_TRUE(log.isEmpty());
}

} // namespace
