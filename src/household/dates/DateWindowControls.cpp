// The date window's controls, placed as designed (twips, relative to their containers), its
// Options menu and its side toolbar.
#include "DateWindow.h"

#include "DateNames.h"
#include "DesignedPlace.h"
#include "DropDownList.h"
#include "Panel3D.h"
#include "PrintPicture.h"
#include "SideToolbarPictures.h"
#include "Twips.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

DropDownList* dropDownList(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* list = new DropDownList(parent);
    list->setAccessibleName(name);
    list->setGeometry(QRect(Twips::toPixels(left, top, width, 0).topLeft(),
                            QSize(Twips::toPixels(width), list->sizeHint().height())));
    return list;
}

// A box laid over the edit part of its list, the list's drop-down button left free.
QLineEdit* boxOver(DropDownList* list, const QString& name, int width, bool readOnly) {
    auto* box = new QLineEdit(list->parentWidget());
    box->setAccessibleName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(readOnly);
    box->setGeometry(QRect(list->pos(), QSize(Twips::toPixels(width), list->height())));
    box->raise();
    return box;
}

} // namespace

void DateWindow::buildControls() {
    useDialogFont(*centralWidget());

    Panel3D1 = place(new Panel3D(centralWidget()), 0, 0, 9825, 7200);
    Panel3D1->hide();
    Label2 = place(new QLabel(Panel3D1), 60, 60, 9705, 7080);
    Label2->setAutoFillBackground(true);

    SSPanel1 = place(new Panel3D(Panel3D1), 3060, 756, 3750, 3250);
    MonthView1 = place(new QCalendarWidget(SSPanel1), 0, 0, 2730, 2370);
    MonthView1->setAccessibleName("Month view");
    MonthView1->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    MonthView1->setFirstDayOfWeek(Qt::Sunday);
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    buildFields();

    SSPanel3 = place(new Panel3D(Panel3D1), 3430, 4827, 3015, 901);
    Label3 = new QLabel(SSPanel3);
    Label3->setGeometry(SSPanel3->contentsRect());
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setAccessibleDescription("Weekday");
    QFont weekdayFont("Times New Roman");
    weekdayFont.setPointSizeF(27.75);
    Label3->setFont(weekdayFont);
    // Laid out for the longest day name, before the captions are fitted to the fonts here.
    Label3->setText("Wednesday");

    Command2 = place(new QPushButton("&Print", Panel3D1), 2945, 6147, 1575, 402);
    Command1 = place(new QPushButton("E&xit", Panel3D1), 5390, 6147, 1575, 402);

    for (QWidget* control : std::initializer_list<QWidget*>{
             Image1, Panel3D1, Label2, SSPanel1, SSPanel2, SSPanel3, Label3, Text1, Text2, Text3,
             MonthView1, Command1, Command2}) {
        attachOptionsPopup(control);
    }
}

void DateWindow::buildFields() {
    SSPanel2 = place(new Panel3D(Panel3D1), 3430, 4109, 3015, 483);
    Combo1 = dropDownList(SSPanel2, "Month list", 60, 64, 1155);
    for (int month = 1; month <= 12; ++month) {
        Combo1->addItem(DateNames::monthName(month));
    }
    Combo2 = dropDownList(SSPanel2, "Day list", 1315, 64, 660);
    for (int day = 1; day <= 31; ++day) {
        Combo2->addItem(QString::number(day));
    }
    Combo3 = dropDownList(SSPanel2, "Year list", 2075, 64, 885);
    Text1 = boxOver(Combo1, "Month", 890, true);
    Text2 = boxOver(Combo2, "Day", 390, true);
    Text3 = boxOver(Combo3, "Year", 615, false);
    Text3->setMaxLength(4);
}

void DateWindow::buildMenus() {
    mOColor = mO->addAction("Panel C&olor", this, &DateWindow::PanelColour_Click);
    mO->addSeparator();
    mOPrint = mO->addAction("&Print");
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &DateWindow::ExitCommand);
}

void DateWindow::buildSideToolbar() {
    fillSideToolbar({{sideToolbarPicture(SidePicture::PanelColor), "Panel Color",
                      [this] { PanelColour_Click(); }},
                     // Print is connected with the print commands.
                     {printPicture(), "Print"},
                     {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }}});
}
