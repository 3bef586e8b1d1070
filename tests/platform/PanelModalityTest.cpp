#include "PanelModality.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window with a background picture, a frame holding a box and a button under where the panel
// opens and a button beside it; the panel has a button of its own.
class PanelModalityTest : public ::testing::Test {
protected:
    PanelModalityTest() {
        window.resize(400, 300);
        background->setGeometry(window.rect());
        frame->setGeometry(20, 20, 360, 260);
        box->setGeometry(10, 10, 150, 24);
        under->setGeometry(10, 200, 80, 24);
        beside->setGeometry(280, 200, 70, 24);
        panel->setGeometry(0, 0, 250, 240);
        cancel->setGeometry(10, 200, 80, 24);
        panel->hide();
        window.show();
        QApplication::setActiveWindow(&window);
        box->setFocus();
        QCoreApplication::processEvents();
    }

    void open() {
        panel->show();
        panel->raise();
        modality.open(*panel, *cancel);
    }
    void close() {
        modality.close();
        panel->hide();
    }

    // The controls Tab stops at, round the window once from the focus.
    QList<QWidget*> tabStops() {
        QList<QWidget*> stops;
        for (int press = 0; press < 4; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops.append(QApplication::focusWidget());
        }
        return stops;
    }

    QWidget window;
    QLabel* background = new QLabel("picture", &window);
    QWidget* frame = new QWidget(&window);
    QLineEdit* box = new QLineEdit(frame);
    QPushButton* under = new QPushButton("Under", frame);
    QPushButton* beside = new QPushButton("Beside", frame);
    QWidget* panel = new QWidget(frame);
    QPushButton* cancel = new QPushButton("Cancel", panel);
    PanelModality modality;
};

TEST_F(PanelModalityTest, OnlyTheControlsThePanelCoversHideAndWhatItStandsOnStays) {
    open();
    EXPECT_TRUE(background->isVisible()) << "the background picture";
    EXPECT_TRUE(frame->isVisible()) << "the frame the panel lies in";
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(under->isVisible());
    EXPECT_TRUE(beside->isVisible()) << "beside the panel";
    EXPECT_EQ(beside->focusPolicy(), Qt::NoFocus) << "out of the Tab order";
    close();
    for (QWidget* control :
         std::initializer_list<QWidget*>{background, frame, box, under, beside}) {
        EXPECT_TRUE(control->isVisible()) << control->metaObject()->className();
    }
}

TEST_F(PanelModalityTest, TheFocusGoesIntoThePanelAndBackWithTheTabOrder) {
    const QList<QWidget*> before = tabStops();
    box->setFocus();
    open();
    EXPECT_EQ(QApplication::focusWidget(), cancel);
    EXPECT_EQ(tabStops(), QList<QWidget*>(4, cancel)) << "Tab goes round the panel alone";
    close();
    EXPECT_EQ(QApplication::focusWidget(), box) << "back where it was";
    EXPECT_EQ(tabStops(), before);
}

TEST_F(PanelModalityTest, AControlGoneOutOfReachGivesTheFocusToTheFirstTabStop) {
    open();
    box->setEnabled(false);
    close();
    EXPECT_EQ(QApplication::focusWidget(), under);
    EXPECT_FALSE(cancel->hasFocus());
}

} // namespace
