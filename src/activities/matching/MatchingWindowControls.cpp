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
    Label1 = place(new QLabel(centralWidget()), 500, 1497, 375, 499);
    Label1->setAutoFillBackground(true);
    QPalette system = Label1->palette();
    system.setColor(QPalette::Window, systemDefaultColour());
    Label1->setPalette(system);
    Label1->hide();
    SSPanel1 = panel(centralWidget(), 855, 990, 9825, 7315);
    SSPanel1->hide();
    Panel3D1 = panel(SSPanel1, 230, 90, 9375, 7140);
    buildCards();
    buildCommandPanel();
    buildReportPanel();
}

void MatchingWindow::buildCards() {
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        const CardPlace card = designedCard(i);
        // The labels lie beneath the cards: made first.
        QLabel* label = place(new QLabel(Panel3D1), card.left, card.top + 190, 1470, 231);
        label->setFont(sizedFont(8.25, true));
        label->setAlignment(Qt::AlignCenter);
        Label2[std::size_t(i)] = label;
    }
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        const CardPlace card = designedCard(i);
        Panel3D* face = panel(Panel3D1, card.left, card.top, card.width, kCardHeight);
        face->setFont(sizedFont(10, true));
        face->setAccessibleName(QString("Card %1").arg(i + 1));
        Panel3D6[std::size_t(i)] = face;
        QLabel* picture = place(new QLabel(face), designedPictureLeft(card.width), 96, 480, 515);
        picture->setScaledContents(true);
        picture->hide();
        Image2[std::size_t(i)] = picture;
        QPushButton* button =
            place(new QPushButton(cardButtonCaption(i), face), 75, 81, card.width - 155, 537);
        button->setFont(sizedFont(12, true));
        button->setEnabled(false);
        button->setAccessibleName(QString("Card %1").arg(cardButtonCaption(i).mid(1)));
        cmdCommand[std::size_t(i)] = button;
    }
}

void MatchingWindow::buildCommandPanel() {
    Panel3D10 = panel(SSPanel1, 585, 1578, 3075, 4911);
    Panel3D2 = panel(Panel3D10, 90, 81, 2895, 741);
    Panel3D2->setFont(sizedFont(18, true));
    Panel3D2->setAccessibleName("Message");
    Panel3D4 = panel(Panel3D10, 90, 805, 2895, 1706);
    Panel3D4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D4->setFont(sizedFont(9.75, true));
    Panel3D4->setAccessibleName("Players");
    const char* const players[] = {"Player 1", "Player 2", "Player 3", "Player 4"};
    for (std::size_t i = 0; i < 4; ++i) {
        Panel3D3[i] =
            panel(Panel3D4, i % 2 == 0 ? 90 : 1440, i < 2 ? 435 : 1014, 1365, 601, players[i]);
        Panel3D3[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Panel3D9[i] = panel(Panel3D3[i], 330, 306, 660, 209);
        Panel3D9[i]->setAccessibleName(QString("Player %1 score").arg(i + 1));
    }
    Panel3D3[4] = panel(Panel3D4, 765, 113, 1365, 596, "Accuracy");
    Panel3D3[4]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D11 = panel(Panel3D3[4], 180, 274, 1005, 241);
    Panel3D11->setFloodFrom(Panel3D::FloodFrom::Left);
    Panel3D11->setAccessibleName("Accuracy");

    Panel3D5 = panel(Panel3D10, 90, 2496, 2895, 790);
    // Hidden; it keeps the system face colour for the inner panels, whatever the window's
    // background (a frame would otherwise take the window's colour from its containers).
    Frame1 = place(new QGroupBox(Panel3D5), 540, 161, 1860, 467);
    QPalette face = Frame1->palette();
    face.setColor(QPalette::Window, systemDefaultColour());
    Frame1->setPalette(face);
    Frame1->hide();
    SSFrame1 = place(new QGroupBox("Number of &Players", Panel3D5), 75, 81, 2745, 628);
    playerOptions_ = new OptionGroup(this);
    const int playerLefts[] = {175, 800, 1430, 2060};
    for (std::size_t i = 0; i < 4; ++i) {
        Option3D1[i] = place(new QRadioButton(QString::number(i + 1), SSFrame1), playerLefts[i],
                             279, 465, 241);
        playerOptions_->add(Option3D1[i]);
    }

    Panel3D7 = panel(Panel3D10, 90, 3269, 1425, 1208);
    Frame3D1[1] = place(new QGroupBox("&Exchange", Panel3D7), 75, 81, 1290, 1063);
    exchangeOptions_ = new OptionGroup(this);
    Option3D2[0] = place(new QRadioButton("None", Frame3D1[1]), 135, 241, 735, 295);
    Option3D2[1] = place(new QRadioButton("Sometimes", Frame3D1[1]), 130, 494, 1095, 295);
    Option3D2[2] = place(new QRadioButton("Always", Frame3D1[1]), 130, 751, 915, 290);
    for (QRadioButton* option : Option3D2) {
        exchangeOptions_->add(option);
    }

    Panel3D8 = panel(Panel3D10, 1500, 3269, 1485, 1208);
    Frame3D1[2] = place(new QGroupBox("&Files", Panel3D8), 75, 81, 1350, 1014);
    sourceOptions_ = new OptionGroup(this);
    Option3D3[0] = place(new QRadioButton("Family", Frame3D1[2]), 75, 515, 1005, 236);
    Option3D3[1] = place(new QRadioButton("Computer", Frame3D1[2]), 75, 275, 1065, 236);
    Option3D3[2] = place(new QRadioButton("Pict (Icons)", Frame3D1[2]), 75, 760, 1215, 241);
    Option3D3[0]->setEnabled(false); // until family names are entered
    for (QRadioButton* option : Option3D3) {
        sourceOptions_->add(option);
    }
    Panel3D19 = panel(Panel3D8, 15, 17, 1365, 1143);
    Panel3D19->hide();
    MatchPicture = place(new QLabel(Panel3D19), 150, 115, 1050, 780);
    MatchPicture->setScaledContents(true);
    MatchPicture->setPixmap(QPixmap::fromImage(MatchingPictures::match()));

    for (QGroupBox* frame : {Frame3D1[1], Frame3D1[2]}) {
        frame->setFont(sizedFont(7.5, false));
    }
    fitOptionsToFrames();

    Command4 = place(new QPushButton("Perf. &Report", Panel3D10), 90, 4498, 1485, 354);
    Command2 = place(new QPushButton("&Start", Panel3D10), 1620, 4498, 645, 354);
    Command1 = place(new QPushButton("E&xit", Panel3D10), 2310, 4498, 645, 354);
}

void MatchingWindow::buildReportPanel() {
    Panel3D18 = panel(SSPanel1, 2565, 950, 5370, 3704, "Performance Report");
    Panel3D18->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D18->setFont(sizedFont(12, true));
    Panel3D18->hide();
    Grid1 = place(new QTableWidget(Panel3D18), 225, 660, 4920, 2378);
    Grid1->setFont(sizedFont(8.25, false));
    Grid1->setColumnCount(3);
    Grid1->verticalHeader()->hide();
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setAccessibleName("Performance Report");
    Command5 = place(new QPushButton("&Close", Panel3D18), 2130, 3193, 1095, 376);
}

void MatchingWindow::CardPass() {
    const QColor systemColour = Label1->palette().color(QPalette::Window);
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        Panel3D* face = Panel3D6[std::size_t(i)];
        QLabel* label = Label2[std::size_t(i)];
        face->setBackColour(systemColour);
        if (levelOne_) {
            if (i < 20) {
                Twips::place(face, Twips::fromPixels(face->x()), Twips::fromPixels(face->y()), 1590,
                             Twips::fromPixels(face->height()));
                QPushButton* button = cmdCommand[std::size_t(i)];
                button->resize(Twips::toPixels(1445), button->height());
                QLabel* picture = Image2[std::size_t(i)];
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
