#include "CaptionFit.h"
#include "Panel3D.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

int captionWidth(const QAbstractButton& button) {
    return button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width();
}

// A panel of 300 x 200 pixels with a designed font of 10 points.
struct Panel {
    Panel() {
        panel.resize(300, 200);
        panel.setFont(QFont("Sans", 10));
    }
    template <typename Control> Control* add(Control* control, const QRect& at) {
        control->setParent(&panel);
        control->setGeometry(at);
        return control;
    }
    QFrame panel;
};

TEST(CaptionFit, ACutCaptionGrowsIntoFreeSpaceButNeverOverItsNeighbour) {
    Panel design;
    auto* option = design.add(new QRadioButton("Do Not Display Guide Lines"), {10, 10, 60, 20});
    auto* neighbour = design.add(new QLabel("Size"), {250, 10, 40, 20});
    CaptionFit::fitControls(design.panel);

    EXPECT_EQ(option->x(), 10);
    EXPECT_LT(option->geometry().right(), neighbour->x());
    EXPECT_LE(captionWidth(*option), CaptionFit::captionRoom(*option).width());
}

TEST(CaptionFit, OptionsInARowShareItByWhatTheirCaptionsNeed) {
    Panel design;
    QList<QRadioButton*> row;
    for (int i = 0; i < 4; ++i) {
        row.append(design.add(new QRadioButton(QString::number(i + 1)), {10 + 22 * i, 10, 22, 20}));
    }
    design.add(new QLabel("Next"), {110, 10, 40, 20});
    CaptionFit::fitControls(design.panel);

    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(captionWidth(*row[i]), CaptionFit::captionRoom(*row[i]).width()) << i;
        EXPECT_LT(row[i]->geometry().right(), i < 3 ? row[i + 1]->x() : 110) << i;
    }
}

TEST(CaptionFit, AButtonWithoutRoomBreaksItsCaptionAndIsStillNamedByIt) {
    Panel design;
    auto* left = design.add(new QPushButton("Left"), {0, 10, 10, 50});
    auto* button = design.add(new QPushButton("&Select Color Background"), {10, 10, 110, 50});
    auto* right = design.add(new QPushButton("Right"), {120, 10, 10, 50});
    CaptionFit::fitControls(design.panel);

    EXPECT_EQ(button->text(), "&Select Color\nBackground");
    EXPECT_EQ(button->accessibleName(), "Select Color Background");
    EXPECT_EQ(button->geometry(), QRect(10, 10, 110, 50)); // between its neighbours
    EXPECT_LE(captionWidth(*button), CaptionFit::captionRoom(*button).width());
    EXPECT_EQ(left->text(), "Left");
    EXPECT_EQ(right->text(), "Right");
}

TEST(CaptionFit, WhatCannotGrowNorBreakTakesASmallerFont) {
    Panel design;
    design.add(new QLabel("Name:"), {0, 10, 20, 20});
    auto* label = design.add(new QLabel("Length (Max. = 500):"), {20, 10, 90, 20});
    design.add(new QLabel("123"), {110, 10, 40, 20});
    CaptionFit::fitControls(design.panel);

    EXPECT_LT(label->font().pointSizeF(), 10);
    EXPECT_GE(label->font().pointSizeF(), 6);
    EXPECT_EQ(label->geometry(), QRect(20, 10, 90, 20));
}

// A 3-D panel showing a sample in a large font (a print font on a screen of large fonts) grows
// into the room beside it, then takes a smaller font, until the caption shows whole; a panel
// not marked so is left to its window.
TEST(CaptionFit, ASamplePanelTooSmallForItsCaptionGrowsThenTakesASmallerFont) {
    Panel design;
    auto* sample = design.add(new Panel3D(nullptr, "AaBbYyZz"), {100, 10, 60, 30});
    sample->setFont(QFont("Serif", 24));
    sample->setCaptionFitted(true);
    auto* wordBox = design.add(new Panel3D(nullptr, "AaBbYyZz"), {200, 10, 60, 30});
    wordBox->setFont(QFont("Serif", 24));
    CaptionFit::fitControls(design.panel);
    EXPECT_EQ(wordBox->geometry(), QRect(200, 10, 60, 30)) << "a panel sizing its own text";
    EXPECT_EQ(wordBox->font().pointSizeF(), 24);

    EXPECT_LT(sample->x(), 100) << "grew to both sides";
    EXPECT_GT(sample->geometry().right(), 160);
    EXPECT_LE(sample->captionNeeds().width(), sample->captionArea().width());
    EXPECT_LE(sample->captionNeeds().height(), sample->contentsRect().height());
    EXPECT_LT(sample->font().pointSizeF(), 24) << "30 pixels hold no 24 points";
}

} // namespace
