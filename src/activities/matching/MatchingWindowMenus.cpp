// The matching window's Options menu, its side toolbar, the right-click menu, the three option
// groups with their menu twins, and the performance report.
#include "MatchingWindow.h"

#include "OptionGroup.h"
#include "Panel3D.h"
#include "SideToolbarPictures.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <cmath>

namespace {

QAction* checkable(QAction* item) {
    item->setCheckable(true);
    return item;
}

} // namespace

void MatchingWindow::buildMenus() {
    mOC = mO->addAction("Panel C&olor", this, &MatchingWindow::ChooseColour);
    mO->addSeparator();
    mONames = mO->addAction("Family &Names Entry", this, &MatchingWindow::ShowFamilyNamesEntry);
    mO->addSeparator();
    mOEx = mO->addMenu("&Exhange Functions");
    mOExNone = checkable(mOEx->addAction("&None", this, [this] { exchangeOptions_->select(0); }));
    mOExSome =
        checkable(mOEx->addAction("&SomeTimes", this, [this] { exchangeOptions_->select(1); }));
    mOExAll =
        checkable(mOEx->addAction("&All The Time", this, [this] { exchangeOptions_->select(2); }));
    // Computer Selected comes first in the menu; Family is the source buttons' index 0.
    mON = mO->addMenu("&Files To Use");
    mONCom = checkable(
        mON->addAction("&Computer Selected", this, [this] { sourceOptions_->select(1); }));
    mONFam =
        checkable(mON->addAction("&Family Names", this, [this] { sourceOptions_->select(0); }));
    mONFam->setEnabled(false);
    mONPic =
        checkable(mON->addAction("&Pictures (Icons)", this, [this] { sourceOptions_->select(2); }));
    mOP = mO->addMenu("Number Of &Players");
    for (int i = 0; i < 4; ++i) {
        mOP1[std::size_t(i)] = checkable(mOP->addAction(QString("&%1").arg(i + 1), this,
                                                        [this, i] { playerOptions_->select(i); }));
    }
    mO->addSeparator();
    mOPR = checkable(mO->addAction("Performance &Report", this, [this] {
        // The item's tick follows the report, not the click.
        mOPR->setChecked(!mOPR->isChecked());
        if (Panel3D18->isVisible()) {
            CloseReport();
        } else {
            ShowPerformanceReport();
        }
    }));
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &MatchingWindow::StartMatchingGame);
    mO->addSeparator();
    mOSO = mO->addAction("So&und", this, [this] { ShowSoundInformation(); });
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &MatchingWindow::ExitCommand);
}

void MatchingWindow::buildSideToolbar() {
    fillSideToolbar({
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        // The top toolbar's picture of the same window.
        {QIcon(":/toolbar/16.png"), "Family Names Entry", [this] { ShowFamilyNamesEntry(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound", [this] { ShowSoundInformation(); }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
}

void MatchingWindow::attachPopupToControls() {
    QList<QWidget*> controls = {Command1,  Command2,  Command4,  Command5,  MatchPicture,
                                Frame1,    SSFrame1,  Grid1,     SSPanel1,  Panel3D1,
                                Panel3D2,  Panel3D4,  Panel3D5,  Panel3D7,  Panel3D8,
                                Panel3D10, Panel3D11, Panel3D18, Panel3D19, Image1};
    for (std::size_t i = 0; i < MatchingGame::kCards; ++i) {
        controls << cmdCommand[i] << Image2[i] << Label2[i] << Panel3D6[i];
    }
    for (QGroupBox* frame : {Frame3D1[1], Frame3D1[2]}) {
        controls.append(frame);
    }
    for (Panel3D* panel : Panel3D3) {
        controls.append(panel);
    }
    for (Panel3D* panel : Panel3D9) {
        controls.append(panel);
    }
    for (QRadioButton* option : Option3D1) {
        controls.append(option);
    }
    for (QRadioButton* option : Option3D2) {
        controls.append(option);
    }
    for (QRadioButton* option : Option3D3) {
        controls.append(option);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
}

void MatchingWindow::SetPlayers(int index) {
    game_.PlayerCount = index + 1;
    Panel3D11->setFloodPercent(0);
    for (std::size_t i = 1; i < 4; ++i) {
        Panel3D3[i]->hide();
        Panel3D9[i]->hide();
    }
    arrangePlayerPanels();
    if (game_.PlayerCount == 1) {
        Panel3D3[4]->show();
        Command4->setEnabled(true);
        EnableOptionMenus(true);
    } else {
        Panel3D3[4]->hide();
        Command4->setEnabled(false);
        mOPR->setEnabled(false);
    }
    Panel3D3[0]->setCaption(game_.PlayerCount == 1 ? "No. of Tries" : "Player 1");
    Panel3D9[0]->hide();
    for (QAction* item : mOP1) {
        item->setChecked(false);
    }
    mOP1[std::size_t(index)]->setChecked(true);
    for (int i = 0; i < game_.PlayerCount; ++i) {
        Panel3D3[std::size_t(i)]->show();
    }
    Panel3D4->setCaption(game_.PlayerCount > 1 ? "Player 1 Starts" : "");
    for (std::size_t i = 1; i < 4; ++i) {
        Panel3D3[i]->setEnabled(false);
    }
}

void MatchingWindow::SetExchangeMode(int index) {
    game_.ExchangeMode = MatchingGame::Exchange(index + 1);
    const std::array items = {mOExNone, mOExSome, mOExAll};
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setChecked(int(i) == index);
    }
}

void MatchingWindow::SetCardSource(int index) {
    game_.MatchCardSource = MatchingGame::Source(index + 1);
    mONFam->setChecked(index == 0);
    mONCom->setChecked(index == 1);
    mONPic->setChecked(index == 2);
}

void MatchingWindow::EnableOptionMenus(bool enabled) {
    for (QMenu* menu : {mOEx, mON, mOP}) {
        menu->menuAction()->setEnabled(enabled);
    }
    // 999: the report stays as it is (disabled for more than one player).
    if (program_.SignalValue != 999) {
        mOPR->setEnabled(enabled);
    }
    program_.SignalValue = 0;
}

void MatchingWindow::ShowPerformanceReport() {
    if (Panel3D18->isVisible()) {
        CloseReport();
        return;
    }
    mOPR->setChecked(!mOPR->isChecked());
    windowKeys().setCancelButton(Command5);
    const double top = Twips::fromPixels(Panel3D1->y()) + (levelOne_ ? 45 : 430);
    const double left = 0.235 * Twips::fromPixels(Panel3D1->width());
    Panel3D18->move(Twips::toPixels(left), Twips::toPixels(top));

    const int columnWidth = int(std::floor(0.34 * Grid1->width()));
    Grid1->clearContents();
    Grid1->setHorizontalHeaderLabels({"Attempt No.", "No. of Tries", "Accuracy"});
    Grid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int column = 0; column < 3; ++column) {
        Grid1->setColumnWidth(column, columnWidth);
    }
    const std::vector<MatchingGame::ReportRow> rows = game_.reportRows();
    Grid1->setRowCount(std::max(8, int(rows.size())));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QString cells[] = {rows[r].game, rows[r].tries, rows[r].accuracy};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            Grid1->setItem(int(r), column, item);
        }
    }
    Panel3D18->show();
    Panel3D18->raise();
    Command5->setFocus(Qt::OtherFocusReason);
}

void MatchingWindow::CloseReport() {
    mOPR->setChecked(!mOPR->isChecked());
    Panel3D18->hide();
    windowKeys().setCancelButton(Command1);
}
