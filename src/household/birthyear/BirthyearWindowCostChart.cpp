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
    Grid1->setRows(CostChart::kRows);
    Grid1->setCols(CostChart::kCols);
    Grid1->setFixedRows(1);
    Grid1->setFixedCols(1);
    for (int col = 0; col < CostChart::kCols; ++col) {
        Grid1->setColAlignment(col, GridControl::Centre);
        Grid1->setColWidth(col, int(std::lround(Grid1->widthTwips() * CostChart::widthShare(col))));
        Grid1->setFixedAlignment(col, GridControl::Centre);
        Grid1->setTextMatrix(0, col, CostChart::heading(col));
    }
    for (int row = 1; row < CostChart::kRows; ++row) {
        Grid1->setTextMatrix(row, 0, CostChart::yearLabel(row));
    }
}

// A missing price file leaves the headings and years alone; fields past the last cell are not
// read.
void BirthyearWindow::LoadCostChart() {
    const QStringList fields = CostChart::readFields(services_.folder.file(CostChart::kFileName));
    for (int index = 0; index < fields.size(); ++index) {
        Grid1->setTextMatrix(CostChart::rowOfField(index), CostChart::colOfField(index),
                             CostChart::currencyText(fields[index]));
    }
}

void BirthyearWindow::ToggleCostChart() {
    if (Command1->text().startsWith("&Five")) {
        setCopyOffered(false);
        Toolbar2Button(1)->setEnabled(true);
        mOBC->setEnabled(true);
        showStatus("Five Year Cost Chart");
        if (Panel3D8->isVisible()) {
            PromptCloseInput();
            showStatus("Five Year Cost Chart");
        }
        Command1->setText("&Close Cost Chart");
        Panel3D7->show();
        Panel3D7->raise();
        mOF->setVisible(false);
        mOC->setVisible(true);
        Command6->setEnabled(false);
        mOI->setEnabled(false);
        return;
    }
    showStatus(kCaption);
    Toolbar2Button(1)->setEnabled(false);
    mOBC->setEnabled(false);
    if (textsOnDisplay() && !Panel3D8->isVisible()) {
        setCopyOffered(true);
    }
    Command1->setText("&Five Year Cost Chart");
    Panel3D7->hide();
    mOF->setVisible(true);
    mOC->setVisible(false);
    Command6->setEnabled(true);
    mOI->setEnabled(true);
}

QString BirthyearWindow::ShowRowScrollTip(int row) const {
    return CostChart::rowTip(row, Grid1->textMatrix(row, 0));
}
