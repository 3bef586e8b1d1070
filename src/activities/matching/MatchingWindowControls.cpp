// The matching window's controls, placed as designed (twips, relative to their containers), and
// the load's pass over the cards.
#include "MatchingWindow.h"

#include "ColorNumber.h"
#include "DesignFont.h"
#include "DesignPlacement.h"
#include "MatchingPictures.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

using Design::panel;
using Design::sizedFont;
using Twips::place;

// The designed card grid: six columns, the middle two left free from row 3 down for the
// command panel; rows 6 to 8 hold two wide cards each.
constexpr int kColumnLeft[] = {90, 1605, 3150, 4680, 6300, 7815};
constexpr int kColumnWidth[] = {1470, 1470, 1545, 1545, 1470, 1470};
constexpr int kRowTop[] = {96, 773, 1450, 2126, 2802, 3478, 4251, 4928, 5604};
constexpr int kCardHeight = 692;
constexpr int kWideCard = 2985;

struct CardPlace {
    int left;
    int top;
    int width;
};

CardPlace designedCard(int i) {
    if (i < 18) {
        const int column = i % 6;
        return {kColumnLeft[column], kRowTop[i / 6], kColumnWidth[column]};
    }
    if (i < 30) {
        const int column = std::array{0, 1, 4, 5}[std::size_t((i - 18) % 4)];
        return {kColumnLeft[column], kRowTop[3 + (i - 18) / 4], kColumnWidth[column]};
    }
    return {(i - 30) % 2 == 0 ? 90 : 6300, kRowTop[6 + (i - 30) / 2], kWideCard};
}

int designedPictureLeft(int width) {
    return width == kWideCard ? 1245 : width == 1545 ? 530 : 490;
}

} // namespace

QString MatchingWindow::cardButtonCaption(int i) {
    return i < 26 ? QString("&%1").arg(QChar('A' + i)) : QString("&%1").arg((i - 25) % 10);
}

void MatchingWindow::buildControls() {
    centralWidget()->setFont(sizedFont(8.25, false));
    systemColourSample = place(new QLabel(centralWidget()), 500, 1497, 375, 499);
    systemColourSample->setAutoFillBackground(true);
    QPalette system = systemColourSample->palette();
    system.setColor(QPalette::Window, systemDefaultColour());
    systemColourSample->setPalette(system);
    systemColourSample->hide();
    systemColourSample->setObjectName("Label1");
    gamePanel = panel(centralWidget(), 855, 990, 9825, 7315);
    gamePanel->hide();
    gamePanel->setObjectName("SSPanel1");
    cardArea = panel(gamePanel, 230, 90, 9375, 7140);
    cardArea->setObjectName("Panel3D1");
    buildCards();
    buildCommandPanel();
    buildReportPanel();
}

void MatchingWindow::buildCards() {
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        const CardPlace card = designedCard(i);
        // The labels lie beneath the cards: made first.
        QLabel* label = place(new QLabel(cardArea), card.left, card.top + 190, 1470, 231);
        label->setFont(sizedFont(8.25, true));
        label->setAlignment(Qt::AlignCenter);
        label->setObjectName("Label2");
        cardLabels[std::size_t(i)] = label;
    }
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        const CardPlace card = designedCard(i);
        Panel3D* face = panel(cardArea, card.left, card.top, card.width, kCardHeight);
        face->setFont(sizedFont(10, true));
        face->setAccessibleName(QString("Card %1").arg(i + 1));
        face->setObjectName("Panel3D6");
        cardFaces[std::size_t(i)] = face;
        QLabel* picture = place(new QLabel(face), designedPictureLeft(card.width), 96, 480, 515);
        picture->setScaledContents(true);
        picture->hide();
        picture->setObjectName("Image2");
        cardPictures[std::size_t(i)] = picture;
        QPushButton* button =
            place(new QPushButton(cardButtonCaption(i), face), 75, 81, card.width - 155, 537);
        button->setFont(sizedFont(12, true));
        button->setEnabled(false);
        button->setAccessibleName(QString("Card %1").arg(cardButtonCaption(i).mid(1)));
        button->setObjectName("cmdCommand");
        cardButtons[std::size_t(i)] = button;
    }
}

void MatchingWindow::buildCommandPanel() {
    commandPanel = panel(gamePanel, 585, 1578, 3075, 4911);
    commandPanel->setObjectName("Panel3D10");
    messagePanel = panel(commandPanel, 90, 81, 2895, 741);
    messagePanel->setFont(sizedFont(18, true));
    messagePanel->setAccessibleName("Message");
    messagePanel->setLive(true);
    messagePanel->setObjectName("Panel3D2");
    playersPanel = panel(commandPanel, 90, 805, 2895, 1706);
    playersPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    playersPanel->setFont(sizedFont(9.75, true));
    playersPanel->setAccessibleName("Players");
    playersPanel->setObjectName("Panel3D4");
    const char* const players[] = {"Player 1", "Player 2", "Player 3", "Player 4"};
    for (std::size_t i = 0; i < 4; ++i) {
        playerBoxes[i] =
            panel(playersPanel, i % 2 == 0 ? 90 : 1440, i < 2 ? 435 : 1014, 1365, 601, players[i]);
        playerBoxes[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        playerBoxes[i]->setObjectName("Panel3D3");
        scores[i] = panel(playerBoxes[i], 330, 306, 660, 209);
        scores[i]->setAccessibleName(QString("Player %1 score").arg(i + 1));
        scores[i]->setLive(true, true);
        scores[i]->setObjectName("Panel3D9");
    }
    playerBoxes[4] = panel(playersPanel, 765, 113, 1365, 596, "Accuracy");
    playerBoxes[4]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    playerBoxes[4]->setObjectName("Panel3D3");
    accuracyGauge = panel(playerBoxes[4], 180, 274, 1005, 241);
    accuracyGauge->setFloodFrom(Panel3D::FloodFrom::Left);
    accuracyGauge->setAccessibleName("Accuracy");
    accuracyGauge->setObjectName("Panel3D11");

    playerCountPanel = panel(commandPanel, 90, 2496, 2895, 790);
    playerCountPanel->setObjectName("Panel3D5");
    // Hidden; it keeps the system face colour for the inner panels, whatever the window's
    // background (a frame would otherwise take the window's colour from its containers).
    innerColourSample = place(new QGroupBox(playerCountPanel), 540, 161, 1860, 467);
    QPalette face = innerColourSample->palette();
    face.setColor(QPalette::Window, systemDefaultColour());
    innerColourSample->setPalette(face);
    innerColourSample->hide();
    innerColourSample->setObjectName("Frame1");
    playerCountFrame =
        place(new QGroupBox("Number of &Players", playerCountPanel), 75, 81, 2745, 628);
    playerCountFrame->setObjectName("SSFrame1");
    playerOptions_ = new OptionGroup(this);
    const int playerLefts[] = {175, 800, 1430, 2060};
    for (std::size_t i = 0; i < 4; ++i) {
        playerCountOptions[i] = place(new QRadioButton(QString::number(i + 1), playerCountFrame),
                                      playerLefts[i], 279, 465, 241);
        playerCountOptions[i]->setObjectName("Option3D1");
        playerOptions_->add(playerCountOptions[i]);
    }

    exchangePanel = panel(commandPanel, 90, 3269, 1425, 1208);
    exchangePanel->setObjectName("Panel3D7");
    optionFrames[1] = place(new QGroupBox("&Exchange", exchangePanel), 75, 81, 1290, 1063);
    exchangeOptions_ = new OptionGroup(this);
    exchangeModeOptions[0] = place(new QRadioButton("None", optionFrames[1]), 135, 241, 735, 295);
    exchangeModeOptions[1] =
        place(new QRadioButton("Sometimes", optionFrames[1]), 130, 494, 1095, 295);
    exchangeModeOptions[2] = place(new QRadioButton("Always", optionFrames[1]), 130, 751, 915, 290);
    for (QRadioButton* option : exchangeModeOptions) {
        option->setObjectName("Option3D2");
        exchangeOptions_->add(option);
    }

    filesPanel = panel(commandPanel, 1500, 3269, 1485, 1208);
    filesPanel->setObjectName("Panel3D8");
    optionFrames[2] = place(new QGroupBox("&Files", filesPanel), 75, 81, 1350, 1014);
    sourceOptions_ = new OptionGroup(this);
    cardSourceOptions[0] = place(new QRadioButton("Family", optionFrames[2]), 75, 515, 1005, 236);
    cardSourceOptions[1] = place(new QRadioButton("Computer", optionFrames[2]), 75, 275, 1065, 236);
    cardSourceOptions[2] =
        place(new QRadioButton("Pict (Icons)", optionFrames[2]), 75, 760, 1215, 241);
    cardSourceOptions[0]->setEnabled(false); // until family names are entered
    for (QRadioButton* option : cardSourceOptions) {
        option->setObjectName("Option3D3");
        sourceOptions_->add(option);
    }
    matchPicturePanel = panel(filesPanel, 15, 17, 1365, 1143);
    matchPicturePanel->hide();
    matchPicturePanel->setObjectName("Panel3D19");
    MatchPicture = place(new QLabel(matchPicturePanel), 150, 115, 1050, 780);
    MatchPicture->setScaledContents(true);
    MatchPicture->setObjectName("MatchPicture");
    MatchPicture->setPixmap(QPixmap::fromImage(MatchingPictures::match()));

    for (QGroupBox* frame : {optionFrames[1], optionFrames[2]}) {
        frame->setFont(sizedFont(7.5, false));
        frame->setObjectName("Frame3D1");
    }
    fitOptionsToFrames();

    reportButton = place(new QPushButton("Perf. &Report", commandPanel), 90, 4498, 1485, 354);
    startButton = place(new QPushButton("&Start", commandPanel), 1620, 4498, 645, 354);
    exitButton = place(new QPushButton("E&xit", commandPanel), 2310, 4498, 645, 354);
    reportButton->setObjectName("Command4");
    startButton->setObjectName("Command2");
    exitButton->setObjectName("Command1");
}

void MatchingWindow::buildReportPanel() {
    reportPanel = panel(gamePanel, 2565, 950, 5370, 3704, "Performance Report");
    reportPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    reportPanel->setFont(sizedFont(12, true));
    reportPanel->hide();
    reportPanel->setObjectName("Panel3D18");
    performanceGrid = place(new QTableWidget(reportPanel), 225, 660, 4920, 2378);
    performanceGrid->setFont(sizedFont(8.25, false));
    performanceGrid->setColumnCount(3);
    performanceGrid->verticalHeader()->hide();
    performanceGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    performanceGrid->setAccessibleName("Performance Report");
    performanceGrid->setObjectName("Grid1");
    closeReportButton = place(new QPushButton("&Close", reportPanel), 2130, 3193, 1095, 376);
    closeReportButton->setObjectName("Command5");
}

void MatchingWindow::CardPass() {
    const QColor systemColour = systemColourSample->palette().color(QPalette::Window);
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        Panel3D* face = cardFaces[std::size_t(i)];
        QLabel* label = cardLabels[std::size_t(i)];
        face->setBackColour(systemColour);
        if (levelOne_) {
            if (i < 20) {
                Twips::place(face, Twips::fromPixels(face->x()), Twips::fromPixels(face->y()), 1590,
                             Twips::fromPixels(face->height()));
                QPushButton* button = cardButtons[std::size_t(i)];
                button->resize(Twips::toPixels(1445), button->height());
                QLabel* picture = cardPictures[std::size_t(i)];
                picture->move(Twips::toPixels(545), picture->y());
            } else {
                face->hide();
                label->hide();
            }
        }
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, ColorNumber::palette(9));
        label->setPalette(colours);
        label->resize(face->width(), label->height());
        if (!levelOne_) {
            label->move(face->x(), face->y() + Twips::toPixels(190));
        }
    }
}
