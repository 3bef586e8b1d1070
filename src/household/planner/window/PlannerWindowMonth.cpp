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
    SSPanel3 = new Panel3D(Panel3D1);
    SSPanel3->setAccessibleName("Month view");
    SSPanel3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = SSPanel3->font();
    bold.setBold(true);
    SSPanel3->setFont(bold);
    Twips::place(SSPanel3, 150, 150, 9295, 6600);
    SSPanel3->hide();
    VSGd1 = new GridControl(SSPanel3);
    VSGd1->setAccessibleName("Month grid");
    Twips::place(VSGd1, 150, 450, 8995, 5400);
    VSGd1->setFixedCols(0);
    VSGd1->setFixedRows(1);
    VSGd1->setRowTipHandler([this](int row) { return ShowMonthRowTip(row); });
    Command5 = new QPushButton("&Close", SSPanel3);
    Twips::place(Command5, 2600, 6000, 1800, 450);
    Command6 = new QPushButton("Print &Month", SSPanel3);
    Twips::place(Command6, 4900, 6000, 1800, 450);
    for (QWidget* control :
         std::initializer_list<QWidget*>{SSPanel3, VSGd1, VSGd1->viewport(), Command5, Command6}) {
        attachOptionsPopup(control);
    }
    connect(Command5, &QPushButton::clicked, this, &PlannerWindow::CloseMonthView);
    connect(Command6, &QPushButton::clicked, this, &PlannerWindow::OpenMonthPrintPreview);
}

void PlannerWindow::ViewEntireMonth() {
    showStatus("View Month");
    if (EntriesChanged == 1 && !PromptSaveBeforeNext()) {
        // The rows whose save failed stay on the page.
        showStatus(windowTitle());
        return;
    }
    Combo1->hide();
    // The item's check mark has already turned when it runs this: the panel tells.
    if (!SSPanel3->isHidden()) {
        CloseMonthView();
        return;
    }
    fillMonthGrid();
    Toolbar2Button(1)->setEnabled(true);
    mOGrid->setEnabled(true);
    SSPanel3->show();
    SSPanel3->raise();
    VSGd1->setFocus(Qt::OtherFocusReason);
    mOV->setChecked(true);
    mOClr->setEnabled(false);
    mOS->setEnabled(false);
}

void PlannerWindow::fillMonthGrid() {
    VSGd1->setRows(1);
    VSGd1->setRows(2);
    // The month of the day on the page, which the picker may have left.
    const QDate day = LoadedDate.isValid() ? LoadedDate : MonthView1->selectedDate();
    ListedMonth = day.month();
    ListedYear = day.year();
    SSPanel3->setCaption(MonthListing::title(ListedMonth, ListedYear));
    VSGd1->setCols(3);
    VSGd1->setRow(0);
    VSGd1->setCol(0);
    const double width = VSGd1->widthTwips();
    const double shares[] = {0.156, 0.2, 0.64};
    for (int col = 0; col < 3; ++col) {
        // Halves go to the even neighbour.
        VSGd1->setColWidth(col, int(std::nearbyint(width * shares[col])));
        VSGd1->setFixedAlignment(col, GridControl::Centre);
    }
    VSGd1->setColAlignment(0, GridControl::Centre);
    VSGd1->setColAlignment(1, GridControl::Centre);
    VSGd1->setColAlignment(2, GridControl::LeftCentre);
    VSGd1->setRowText(0, kHeader);
    const std::vector<MonthListing::Entry> listed =
        MonthListing::entries(services_.folder, ListedYear, ListedMonth);
    // A month without entries keeps one empty row under the header.
    VSGd1->setRows(std::max(2, int(listed.size()) + 1));
    for (std::size_t index = 0; index < listed.size(); ++index) {
        const MonthListing::Entry& entry = listed[index];
        VSGd1->setRowText(int(index) + 1, entry.day + '\t' + entry.time + '\t' + entry.activity);
    }
}

void PlannerWindow::CloseMonthView() {
    mOV->setChecked(false);
    mOClr->setEnabled(true);
    mOS->setEnabled(true);
    LoadDayEntries();
    SSPanel3->hide();
    Toolbar2Button(1)->setEnabled(false);
    mOGrid->setEnabled(false);
    showStatus(windowTitle());
}

QString PlannerWindow::ShowMonthRowTip(int row) const {
    return " Row " + QString::number(row) + ": " + VSGd1->textMatrix(row, 0) + ' ';
}

std::vector<MonthListing::Entry> PlannerWindow::monthGridRows() {
    std::vector<MonthListing::Entry> rows;
    const int count = VSGd1->rows();
    for (int row = 1; row < count; ++row) {
        VSGd1->setRow(row);
        MonthListing::Entry entry;
        for (int col = 0; col < 3; ++col) {
            VSGd1->setCol(col);
            (col == 0 ? entry.day : col == 1 ? entry.time : entry.activity) = VSGd1->text();
        }
        rows.push_back(entry);
    }
    return rows;
}
