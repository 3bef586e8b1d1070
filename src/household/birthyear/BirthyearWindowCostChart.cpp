// The five-year cost chart that shares the work area with the year's texts.
#include "BirthyearWindow.h"

#include "CostChart.h"
#include "GridControl.h"
#include "Panel3D.h"

#include <QLabel>
#include <QPushButton>
#include <QToolBar>

#include <cmath>

// Headings, year labels, widths and alignments; the prices are left as they are, so that the
// setup can run at every activation and fit the widths to the grid's size.
void BirthyearWindow::SetupCostGrid() {
    costGrid->setRows(CostChart::kRows);
    costGrid->setCols(CostChart::kCols);
    costGrid->setFixedRows(1);
    costGrid->setFixedCols(1);
    for (int col = 0; col < CostChart::kCols; ++col) {
        costGrid->setColAlignment(col, GridControl::Centre);
        costGrid->setColWidth(
            col, int(std::lround(costGrid->widthTwips() * CostChart::widthShare(col))));
        costGrid->setFixedAlignment(col, GridControl::Centre);
        costGrid->setTextMatrix(0, col, CostChart::heading(col));
    }
    for (int row = 1; row < CostChart::kRows; ++row) {
        costGrid->setTextMatrix(row, 0, CostChart::yearLabel(row));
    }
}

// A missing price file leaves the headings and years alone; fields past the last cell are not
// read.
void BirthyearWindow::LoadCostChart() {
    const QStringList fields = CostChart::readFields(services_.folder.file(CostChart::kFileName));
    for (int index = 0; index < fields.size(); ++index) {
        costGrid->setTextMatrix(CostChart::rowOfField(index), CostChart::colOfField(index),
                                CostChart::currencyText(fields[index]));
    }
}

void BirthyearWindow::setSidesShown(bool shown) {
    seriousPanel->setVisible(shown);
    lighterPanel->setVisible(shown);
}

void BirthyearWindow::ToggleCostChart() {
    if (costChartButton->text().startsWith("&Five")) {
        setCopyOffered(false);
        leftToolbarButton(1)->setEnabled(true);
        backgroundSelectorAction->setEnabled(true);
        showStatus("Five Year Cost Chart");
        if (inputPanel->isVisible()) {
            PromptCloseInput();
            showStatus("Five Year Cost Chart");
        }
        costChartButton->setText("&Close Cost Chart");
        costChartPanel->show();
        costChartPanel->raise();
        // The chart is a little shorter than the texts it stands over: what would peek out
        // below it is neither seen nor read.
        setSidesShown(false);
        costChartAction->setVisible(false);
        closeCostChartAction->setVisible(true);
        inputButton->setEnabled(false);
        inputAction->setEnabled(false);
        return;
    }
    showStatus(kCaption);
    leftToolbarButton(1)->setEnabled(false);
    backgroundSelectorAction->setEnabled(false);
    if (textsOnDisplay() && !inputPanel->isVisible()) {
        setCopyOffered(true);
    }
    costChartButton->setText("&Five Year Cost Chart");
    costChartPanel->hide();
    setSidesShown(true);
    costChartAction->setVisible(true);
    closeCostChartAction->setVisible(false);
    inputButton->setEnabled(true);
    inputAction->setEnabled(true);
}

QString BirthyearWindow::ShowRowScrollTip(int row) const {
    return CostChart::rowTip(row, costGrid->textMatrix(row, 0));
}
