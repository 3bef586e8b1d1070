// The month view: every appointment of the loaded day's month in one grid over the day page.
#include "PlannerWindow.h"

#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "Twips.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include <cmath>

namespace {

const QString kHeader = QStringLiteral("Day\tTime\tAppointment/Activity");

} // namespace

void PlannerWindow::buildMonthView() {
    monthViewPanel = new Panel3D(mainPanelFrame);
    monthViewPanel->setObjectName("SSPanel3");
    monthViewPanel->setAccessibleName("Month view");
    monthViewPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = monthViewPanel->font();
    bold.setBold(true);
    monthViewPanel->setFont(bold);
    Twips::place(monthViewPanel, 150, 150, 9295, 6600);
    monthViewPanel->hide();
    monthGrid = new GridControl(monthViewPanel);
    monthGrid->setObjectName("VSGd1");
    monthGrid->setAccessibleName("Month grid");
    Twips::place(monthGrid, 150, 450, 8995, 5400);
    monthGrid->setFixedCols(0);
    monthGrid->setFixedRows(1);
    monthGrid->setRowTipHandler([this](int row) { return ShowMonthRowTip(row); });
    closeMonthButton = new QPushButton("&Close", monthViewPanel);
    closeMonthButton->setObjectName("Command5");
    Twips::place(closeMonthButton, 2600, 6000, 1800, 450);
    printMonthButton = new QPushButton("Print &Month", monthViewPanel);
    printMonthButton->setObjectName("Command6");
    Twips::place(printMonthButton, 4900, 6000, 1800, 450);
    for (QWidget* control :
         std::initializer_list<QWidget*>{monthViewPanel, monthGrid, monthGrid->viewport(),
                                         closeMonthButton, printMonthButton}) {
        attachOptionsPopup(control);
    }
    connect(closeMonthButton, &QPushButton::clicked, this, &PlannerWindow::CloseMonthView);
    connect(printMonthButton, &QPushButton::clicked, this, &PlannerWindow::OpenMonthPrintPreview);
}

void PlannerWindow::ViewEntireMonth() {
    showStatus("View Month");
    if (EntriesChanged == 1 && !PromptSaveBeforeNext()) {
        // The rows whose save failed stay on the page.
        showStatus(windowTitle());
        return;
    }
    timeList->hide();
    // The item's check mark has already turned when it runs this: the panel tells.
    if (!monthViewPanel->isHidden()) {
        CloseMonthView();
        return;
    }
    fillMonthGrid();
    leftToolbarButton(1)->setEnabled(true);
    gridBackgroundAction->setEnabled(true);
    monthViewPanel->show();
    monthViewPanel->raise();
    monthGrid->setFocus(Qt::OtherFocusReason);
    viewMonthAction->setChecked(true);
    clearEntriesAction->setEnabled(false);
    saveAction->setEnabled(false);
}

void PlannerWindow::fillMonthGrid() {
    monthGrid->setRows(1);
    monthGrid->setRows(2);
    // The month of the day on the page, which the picker may have left.
    const QDate day = LoadedDate.isValid() ? LoadedDate : datePicker->selectedDate();
    ListedMonth = day.month();
    ListedYear = day.year();
    monthViewPanel->setCaption(MonthListing::title(ListedMonth, ListedYear));
    monthGrid->setCols(3);
    monthGrid->setRow(0);
    monthGrid->setCol(0);
    const double width = monthGrid->widthTwips();
    const double shares[] = {0.156, 0.2, 0.64};
    for (int col = 0; col < 3; ++col) {
        // Halves go to the even neighbour.
        monthGrid->setColWidth(col, int(std::nearbyint(width * shares[col])));
        monthGrid->setFixedAlignment(col, GridControl::Centre);
    }
    monthGrid->setColAlignment(0, GridControl::Centre);
    monthGrid->setColAlignment(1, GridControl::Centre);
    monthGrid->setColAlignment(2, GridControl::LeftCentre);
    monthGrid->setRowText(0, kHeader);
    const std::vector<MonthListing::Entry> listed =
        MonthListing::entries(services_.folder, ListedYear, ListedMonth);
    // A month without entries keeps one empty row under the header.
    monthGrid->setRows(std::max(2, int(listed.size()) + 1));
    for (std::size_t index = 0; index < listed.size(); ++index) {
        const MonthListing::Entry& entry = listed[index];
        monthGrid->setRowText(int(index) + 1,
                              entry.day + '\t' + entry.time + '\t' + entry.activity);
    }
}

void PlannerWindow::CloseMonthView() {
    viewMonthAction->setChecked(false);
    clearEntriesAction->setEnabled(true);
    saveAction->setEnabled(true);
    LoadDayEntries();
    monthViewPanel->hide();
    leftToolbarButton(1)->setEnabled(false);
    gridBackgroundAction->setEnabled(false);
    showStatus(windowTitle());
}

QString PlannerWindow::ShowMonthRowTip(int row) const {
    return " Row " + QString::number(row) + ": " + monthGrid->textMatrix(row, 0) + ' ';
}

std::vector<MonthListing::Entry> PlannerWindow::monthGridRows() {
    std::vector<MonthListing::Entry> rows;
    const int count = monthGrid->rows();
    for (int row = 1; row < count; ++row) {
        monthGrid->setRow(row);
        MonthListing::Entry entry;
        for (int col = 0; col < 3; ++col) {
            monthGrid->setCol(col);
            (col == 0 ? entry.day : col == 1 ? entry.time : entry.activity) = monthGrid->text();
        }
        rows.push_back(entry);
    }
    return rows;
}
