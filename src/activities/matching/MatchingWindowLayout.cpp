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
            moveTo(cardFaces[i], left, top);
            moveTo(cardLabels[i], left, top + 190);
        }
    }
    card0Left_ = 275;
    card0Top_ = 275;
    setWindowTitle("Matching Game - Level 1");
    LayoutLevel1Panels();
}

void MatchingWindow::LayoutLevel1Panels() {
    Twips::place(exchangePanel, 3400, 260, 2460, 1145);
    Twips::place(filesPanel, 3400, 1475, 2460, 1075);
    moveTo(playerCountPanel, 6130, 260);
    Twips::place(reportButton, 6290, 1060, 2600, 600);
    Twips::place(startButton, 6130, 1745, 1400, 790);
    Twips::place(exitButton, 7630, 1745, 1400, 790);
    optionFrames[1]->resize(Twips::toPixels(2315), optionFrames[1]->height());
    optionFrames[2]->resize(Twips::toPixels(2315), Twips::toPixels(930));
    cardSourceOptions[2]->setText("Pictures (Icons)");
    fitOptionsToFrames();
}

void MatchingWindow::fitOptionsToFrames() {
    // The option captions take the frame's whole inner width: the desktop's fonts run wider
    // than the design's.
    for (const auto* options : {&exchangeModeOptions, &cardSourceOptions}) {
        for (QRadioButton* option : *options) {
            option->resize(option->parentWidget()->width() - option->x() - Twips::toPixels(30),
                           option->height());
        }
    }
}

void MatchingWindow::PlaceCommandPanel() {
    moveTo(commandPanel, twips(cardArea->x()) + 3145, twips(cardArea->y()) + 1975);
}

void MatchingWindow::arrangePlayerPanels() {
    const double w4 = twips(playersPanel->width());
    const double h4 = twips(playersPanel->height());
    Panel3D* first = playerBoxes[0];
    if (game_.PlayerCount == 1) {
        moveTo(first, w4 * 0.265, h4 * 0.16);
        moveTo(playerBoxes[4], w4 * 0.265, twips(first->y()) + twips(first->height()) - 15);
        return;
    }
    moveTo(first, w4 * 0.03, h4 * 0.25);
    const double top = twips(first->y());
    moveTo(playerBoxes[1], twips(playerBoxes[1]->x()), top);
    moveTo(playerBoxes[2], twips(first->x()), top + twips(first->height()) - 15);
    moveTo(playerBoxes[3], twips(playerBoxes[3]->x()), twips(playerBoxes[2]->y()));
}

void MatchingWindow::ActivationLayout() {
    cardArea->resize(Twips::toPixels(MatchingLayout::cardAreaWidth(twips(gamePanel->width()))),
                     cardArea->height());
    arrangePlayerPanels();
    if (game_.PlayerCount == 1) {
        playerBoxes[4]->show();
        reportButton->setEnabled(!playing_);
        if (!playing_) {
            EnableOptionMenus(true);
        }
    } else {
        playerBoxes[4]->hide();
        reportButton->setEnabled(false);
        reportAction->setEnabled(false);
    }
    QCoreApplication::processEvents();
    if (!levelOne_) {
        const MatchingLayout::Box panel = MatchingLayout::levelTwoCommandPanel(
            twips(cardArea->width()), twips(cardArea->height()));
        moveTo(commandPanel, panel.left, panel.top);
        centreCardFaces();
        return;
    }
    const MatchingLayout::LevelOne l = MatchingLayout::levelOne(
        twips(gamePanel->width()), twips(gamePanel->height()), twips(cardArea->x()), card0Left_,
        card0Top_, twips(cardFaces[0]->height()));
    placeBox(cardArea, l.cardArea);
    placeBox(commandPanel, l.commandPanel);
    moveTo(playersPanel, l.players.left, l.players.top);
    moveTo(playerCountPanel, l.playersCount.left, l.playersCount.top);
    moveTo(messagePanel, l.message.left, l.message.top);
    placeBox(exchangePanel, l.exchange);
    for (QGroupBox* frame : {optionFrames[1], optionFrames[2]}) {
        frame->resize(Twips::toPixels(l.frames.width), Twips::toPixels(l.frames.height));
    }
    fitOptionsToFrames();
    placeBox(filesPanel, l.files);
    placeKeepingHeight(exitButton, l.exit.left, l.exit.top, l.exit.width);
    placeKeepingHeight(startButton, l.start.left, l.start.top, l.start.width);
    placeKeepingHeight(reportButton, l.report.left, l.report.top, l.report.width);
    matchPicturePanel->resize(Twips::toPixels(2330), Twips::toPixels(960));
    MatchPicture->move(matchPicturePanel->width() / 2 - MatchPicture->width() / 2,
                       Twips::toPixels(115));
    for (std::size_t i = 0; i < 20; ++i) {
        cardLabels[i]->hide();
        placeKeepingHeight(cardFaces[i], l.cards[i].left, l.cards[i].top, l.cards[i].width);
        placeKeepingHeight(cardButtons[i], 75, twips(cardButtons[i]->y()), l.cardButtonWidth);
    }
    centreCardFaces();
}

void MatchingWindow::centreCardFaces() {
    for (std::size_t i = 0; i < MatchingGame::kCards; ++i) {
        const QWidget* face = cardFaces[i];
        for (QWidget* inside :
             {static_cast<QWidget*>(cardButtons[i]), static_cast<QWidget*>(cardPictures[i])}) {
            inside->move((face->width() - inside->width()) / 2,
                         (face->height() - inside->height()) / 2);
        }
    }
}
