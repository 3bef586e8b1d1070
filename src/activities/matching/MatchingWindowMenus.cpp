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
#include <utility>

namespace {

QAction* checkable(QAction* item) {
    item->setCheckable(true);
    return item;
}

} // namespace

void MatchingWindow::buildMenus() {
    panelColourAction = optionsMenu->addAction("Panel C&olor", this, &MatchingWindow::ChooseColour);
    optionsMenu->addSeparator();
    familyNamesAction =
        optionsMenu->addAction("Family &Names Entry", this, &MatchingWindow::ShowFamilyNamesEntry);
    optionsMenu->addSeparator();
    exchangeMenu = optionsMenu->addMenu("&Exhange Functions");
    exchangeNoneAction =
        checkable(exchangeMenu->addAction("&None", this, [this] { exchangeOptions_->select(0); }));
    exchangeSometimesAction = checkable(
        exchangeMenu->addAction("&SomeTimes", this, [this] { exchangeOptions_->select(1); }));
    exchangeAlwaysAction = checkable(
        exchangeMenu->addAction("&All The Time", this, [this] { exchangeOptions_->select(2); }));
    // Computer Selected comes first in the menu; Family is the source buttons' index 0.
    filesMenu = optionsMenu->addMenu("&Files To Use");
    computerFilesAction = checkable(
        filesMenu->addAction("&Computer Selected", this, [this] { sourceOptions_->select(1); }));
    familyFilesAction = checkable(
        filesMenu->addAction("&Family Names", this, [this] { sourceOptions_->select(0); }));
    familyFilesAction->setEnabled(false);
    pictureFilesAction = checkable(
        filesMenu->addAction("&Pictures (Icons)", this, [this] { sourceOptions_->select(2); }));
    playersMenu = optionsMenu->addMenu("Number Of &Players");
    for (int i = 0; i < 4; ++i) {
        playerCountActions[std::size_t(i)] = checkable(playersMenu->addAction(
            QString("&%1").arg(i + 1), this, [this, i] { playerOptions_->select(i); }));
    }
    optionsMenu->addSeparator();
    reportAction = checkable(optionsMenu->addAction("Performance &Report", this, [this] {
        // The item's tick follows the report, not the click.
        reportAction->setChecked(!reportAction->isChecked());
        if (reportPanel->isVisible()) {
            CloseReport();
        } else {
            ShowPerformanceReport();
        }
    }));
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &MatchingWindow::StartMatchingGame);
    optionsMenu->addSeparator();
    soundAction = optionsMenu->addAction("So&und", this, [this] { ShowSoundInformation(); });
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &MatchingWindow::ExitCommand);

    // The items keep their designed names as object names.
    const std::pair<QObject*, const char*> designed[] = {
        {panelColourAction, "mOC"},
        {familyNamesAction, "mONames"},
        {exchangeMenu, "mOEx"},
        {exchangeNoneAction, "mOExNone"},
        {exchangeSometimesAction, "mOExSome"},
        {exchangeAlwaysAction, "mOExAll"},
        {filesMenu, "mON"},
        {computerFilesAction, "mONCom"},
        {familyFilesAction, "mONFam"},
        {pictureFilesAction, "mONPic"},
        {playersMenu, "mOP"},
        {reportAction, "mOPR"},
        {startAction, "mOS"},
        {soundAction, "mOSO"},
        {exitAction, "mOExit"},
    };
    for (const auto& [item, name] : designed) {
        item->setObjectName(name);
    }
    for (QAction* item : playerCountActions) {
        item->setObjectName("mOP1");
    }
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
    QList<QWidget*> controls = {
        exitButton,       startButton,       reportButton,      closeReportButton,
        MatchPicture,     innerColourSample, playerCountFrame,  performanceGrid,
        gamePanel,        cardArea,          messagePanel,      playersPanel,
        playerCountPanel, exchangePanel,     filesPanel,        commandPanel,
        accuracyGauge,    reportPanel,       matchPicturePanel, backgroundPicture};
    for (std::size_t i = 0; i < MatchingGame::kCards; ++i) {
        controls << cardButtons[i] << cardPictures[i] << cardLabels[i] << cardFaces[i];
    }
    for (QGroupBox* frame : {optionFrames[1], optionFrames[2]}) {
        controls.append(frame);
    }
    for (Panel3D* panel : playerBoxes) {
        controls.append(panel);
    }
    for (Panel3D* panel : scores) {
        controls.append(panel);
    }
    for (QRadioButton* option : playerCountOptions) {
        controls.append(option);
    }
    for (QRadioButton* option : exchangeModeOptions) {
        controls.append(option);
    }
    for (QRadioButton* option : cardSourceOptions) {
        controls.append(option);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
}

void MatchingWindow::SetPlayers(int index) {
    game_.PlayerCount = index + 1;
    accuracyGauge->setFloodPercent(0);
    for (std::size_t i = 1; i < 4; ++i) {
        playerBoxes[i]->hide();
        scores[i]->hide();
    }
    arrangePlayerPanels();
    if (game_.PlayerCount == 1) {
        playerBoxes[4]->show();
        reportButton->setEnabled(true);
        EnableOptionMenus(true);
    } else {
        playerBoxes[4]->hide();
        reportButton->setEnabled(false);
        reportAction->setEnabled(false);
    }
    headFirstPlayerBox();
    scores[0]->hide();
    for (QAction* item : playerCountActions) {
        item->setChecked(false);
    }
    playerCountActions[std::size_t(index)]->setChecked(true);
    for (int i = 0; i < game_.PlayerCount; ++i) {
        playerBoxes[std::size_t(i)]->show();
    }
    playersPanel->setCaption(game_.PlayerCount > 1 ? "Player 1 Starts" : "");
    for (std::size_t i = 1; i < 4; ++i) {
        playerBoxes[i]->setEnabled(false);
    }
}

void MatchingWindow::SetExchangeMode(int index) {
    game_.ExchangeMode = MatchingGame::Exchange(index + 1);
    const std::array items = {exchangeNoneAction, exchangeSometimesAction, exchangeAlwaysAction};
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setChecked(int(i) == index);
    }
}

void MatchingWindow::SetCardSource(int index) {
    game_.MatchCardSource = MatchingGame::Source(index + 1);
    familyFilesAction->setChecked(index == 0);
    computerFilesAction->setChecked(index == 1);
    pictureFilesAction->setChecked(index == 2);
}

void MatchingWindow::EnableOptionMenus(bool enabled) {
    for (QMenu* menu : {exchangeMenu, filesMenu, playersMenu}) {
        menu->menuAction()->setEnabled(enabled);
    }
    // 999: the report stays as it is (disabled for more than one player).
    if (program_.SignalValue != 999) {
        reportAction->setEnabled(enabled);
    }
    program_.SignalValue = 0;
}

void MatchingWindow::ShowPerformanceReport() {
    if (reportPanel->isVisible()) {
        CloseReport();
        return;
    }
    reportAction->setChecked(!reportAction->isChecked());
    windowKeys().setCancelButton(closeReportButton);
    const double top = Twips::fromPixels(cardArea->y()) + (levelOne_ ? 45 : 430);
    const double left = 0.235 * Twips::fromPixels(cardArea->width());
    reportPanel->move(Twips::toPixels(left), Twips::toPixels(top));

    const int columnWidth = int(std::floor(0.34 * performanceGrid->width()));
    performanceGrid->clearContents();
    performanceGrid->setHorizontalHeaderLabels({"Attempt No.", "No. of Tries", "Accuracy"});
    performanceGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int column = 0; column < 3; ++column) {
        performanceGrid->setColumnWidth(column, columnWidth);
    }
    const std::vector<MatchingGame::ReportRow> rows = game_.reportRows();
    performanceGrid->setRowCount(std::max(8, int(rows.size())));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QString cells[] = {rows[r].game, rows[r].tries, rows[r].accuracy};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            performanceGrid->setItem(int(r), column, item);
        }
    }
    reportPanel->show();
    reportPanel->raise();
    closeReportButton->setFocus(Qt::OtherFocusReason);
}

void MatchingWindow::CloseReport() {
    reportAction->setChecked(!reportAction->isChecked());
    reportPanel->hide();
    windowKeys().setCancelButton(exitButton);
}
