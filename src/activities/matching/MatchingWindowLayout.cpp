// The matching window's layout: level 1's card grid and command band set by the load, level 2's
// command panel in the hole of the card grid, and the places every activation recomputes.
#include "MatchingWindow.h"

#include "MatchingLayout.h"
#include "Panel3D.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

double twips(int pixels) {
    return Twips::fromPixels(pixels);
}

void moveTo(QWidget* control, double left, double top) {
    control->move(Twips::toPixels(left), Twips::toPixels(top));
}

// Keeps the control's height.
void placeKeepingHeight(QWidget* control, double left, double top, double width) {
    control->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                         control->height());
}

void placeBox(QWidget* control, const MatchingLayout::Box& box) {
    Twips::place(control, box.left, box.top, box.width, box.height);
}

} // namespace

void MatchingWindow::LayoutLevel1Cards() {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 5; ++c) {
            const std::size_t i = std::size_t(5 * r + c);
            const double top = 275 + 775 * r;
            const double left = 275 + 1790 * c;
            moveTo(Panel3D6[i], left, top);
            moveTo(Label2[i], left, top + 190);
        }
    }
    card0Left_ = 275;
    card0Top_ = 275;
    setWindowTitle("Matching Game - Level 1");
    LayoutLevel1Panels();
}

void MatchingWindow::LayoutLevel1Panels() {
    Twips::place(Panel3D7, 3400, 260, 2460, 1145);
    Twips::place(Panel3D8, 3400, 1475, 2460, 1075);
    moveTo(Panel3D5, 6130, 260);
    Twips::place(Command4, 6290, 1060, 2600, 600);
    Twips::place(Command2, 6130, 1745, 1400, 790);
    Twips::place(Command1, 7630, 1745, 1400, 790);
    Frame3D1[1]->resize(Twips::toPixels(2315), Frame3D1[1]->height());
    Frame3D1[2]->resize(Twips::toPixels(2315), Twips::toPixels(930));
    Option3D3[2]->setText("Pictures (Icons)");
    fitOptionsToFrames();
}

void MatchingWindow::fitOptionsToFrames() {
    // The option captions take the frame's whole inner width: the desktop's fonts run wider
    // than the design's.
    for (const auto* options : {&Option3D2, &Option3D3}) {
        for (QRadioButton* option : *options) {
            option->resize(option->parentWidget()->width() - option->x() - Twips::toPixels(30),
                           option->height());
        }
    }
}

void MatchingWindow::PlaceCommandPanel() {
    moveTo(Panel3D10, twips(Panel3D1->x()) + 3145, twips(Panel3D1->y()) + 1975);
}

void MatchingWindow::arrangePlayerPanels() {
    const double w4 = twips(Panel3D4->width());
    const double h4 = twips(Panel3D4->height());
    Panel3D* first = Panel3D3[0];
    if (game_.PlayerCount == 1) {
        moveTo(first, w4 * 0.265, h4 * 0.16);
        moveTo(Panel3D3[4], w4 * 0.265, twips(first->y()) + twips(first->height()) - 15);
        return;
    }
    moveTo(first, w4 * 0.03, h4 * 0.25);
    const double top = twips(first->y());
    moveTo(Panel3D3[1], twips(Panel3D3[1]->x()), top);
    moveTo(Panel3D3[2], twips(first->x()), top + twips(first->height()) - 15);
    moveTo(Panel3D3[3], twips(Panel3D3[3]->x()), twips(Panel3D3[2]->y()));
}

void MatchingWindow::ActivationLayout() {
    Panel3D1->resize(Twips::toPixels(MatchingLayout::cardAreaWidth(twips(SSPanel1->width()))),
                     Panel3D1->height());
    arrangePlayerPanels();
    if (game_.PlayerCount == 1) {
        Panel3D3[4]->show();
        Command4->setEnabled(!playing_);
        if (!playing_) {
            EnableOptionMenus(true);
        }
    } else {
        Panel3D3[4]->hide();
        Command4->setEnabled(false);
        mOPR->setEnabled(false);
    }
    QCoreApplication::processEvents();
    if (!levelOne_) {
        const MatchingLayout::Box panel = MatchingLayout::levelTwoCommandPanel(
            twips(Panel3D1->width()), twips(Panel3D1->height()));
        moveTo(Panel3D10, panel.left, panel.top);
        centreCardFaces();
        return;
    }
    const MatchingLayout::LevelOne l = MatchingLayout::levelOne(
        twips(SSPanel1->width()), twips(SSPanel1->height()), twips(Panel3D1->x()), card0Left_,
        card0Top_, twips(Panel3D6[0]->height()));
    placeBox(Panel3D1, l.cardArea);
    placeBox(Panel3D10, l.commandPanel);
    moveTo(Panel3D4, l.players.left, l.players.top);
    moveTo(Panel3D5, l.playersCount.left, l.playersCount.top);
    moveTo(Panel3D2, l.message.left, l.message.top);
    placeBox(Panel3D7, l.exchange);
    for (QGroupBox* frame : {Frame3D1[1], Frame3D1[2]}) {
        frame->resize(Twips::toPixels(l.frames.width), Twips::toPixels(l.frames.height));
    }
    fitOptionsToFrames();
    placeBox(Panel3D8, l.files);
    placeKeepingHeight(Command1, l.exit.left, l.exit.top, l.exit.width);
    placeKeepingHeight(Command2, l.start.left, l.start.top, l.start.width);
    placeKeepingHeight(Command4, l.report.left, l.report.top, l.report.width);
    Panel3D19->resize(Twips::toPixels(2330), Twips::toPixels(960));
    MatchPicture->move(Panel3D19->width() / 2 - MatchPicture->width() / 2, Twips::toPixels(115));
    for (std::size_t i = 0; i < 20; ++i) {
        Label2[i]->hide();
        placeKeepingHeight(Panel3D6[i], l.cards[i].left, l.cards[i].top, l.cards[i].width);
        placeKeepingHeight(cmdCommand[i], 75, twips(cmdCommand[i]->y()), l.cardButtonWidth);
    }
    centreCardFaces();
}

void MatchingWindow::centreCardFaces() {
    for (std::size_t i = 0; i < MatchingGame::kCards; ++i) {
        const QWidget* face = Panel3D6[i];
        for (QWidget* inside :
             {static_cast<QWidget*>(cmdCommand[i]), static_cast<QWidget*>(Image2[i])}) {
            inside->move((face->width() - inside->width()) / 2,
                         (face->height() - inside->height()) / 2);
        }
    }
}
