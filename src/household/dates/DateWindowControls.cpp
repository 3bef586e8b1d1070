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

DropDownList* dropDownList(QWidget* parent, const char* designName, const QString& name, int left,
                           int top, int width) {
    auto* list = new DropDownList(parent);
    list->setObjectName(designName);
    list->setAccessibleName(name);
    list->setGeometry(QRect(Twips::toPixels(left, top, width, 0).topLeft(),
                            QSize(Twips::toPixels(width), list->sizeHint().height())));
    return list;
}

// A box laid over the edit part of its list, the list's drop-down button left free.
QLineEdit* boxOver(DropDownList* list, const char* designName, const QString& name, int width,
                   bool readOnly) {
    auto* box = new QLineEdit(list->parentWidget());
    box->setObjectName(designName);
    box->setAccessibleName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(readOnly);
    box->setGeometry(QRect(list->pos(), QSize(Twips::toPixels(width), list->height())));
    box->raise();
    list->setBox(box);
    return box;
}

} // namespace

void DateWindow::buildControls() {
    useDialogFont(*centralWidget());

    mainPanelFrame = place(new Panel3D(centralWidget()), 0, 0, 9825, 7200);
    mainPanelFrame->setObjectName("Panel3D1");
    mainPanelFrame->hide();
    colourArea = place(new QLabel(mainPanelFrame), 60, 60, 9705, 7080);
    colourArea->setObjectName("Label2");
    colourArea->setAutoFillBackground(true);

    calendarPanel = place(new Panel3D(mainPanelFrame), 3060, 756, 3750, 3250);
    monthView = place(new QCalendarWidget(calendarPanel), 0, 0, 2730, 2370);
    calendarPanel->setObjectName("SSPanel1");
    monthView->setObjectName("MonthView1");
    monthView->setAccessibleName("Month view");
    monthView->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    monthView->setFirstDayOfWeek(Qt::Sunday);
    monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    monthView->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    buildFields();

    weekdayPanel = place(new Panel3D(mainPanelFrame), 3430, 4827, 3015, 901);
    weekdayPanel->setObjectName("SSPanel3");
    weekday = new QLabel(weekdayPanel);
    weekday->setObjectName("Label3");
    weekday->setGeometry(weekdayPanel->contentsRect());
    weekday->setAlignment(Qt::AlignCenter);
    weekday->setAccessibleDescription("Weekday");
    QFont weekdayFont("Times New Roman");
    weekdayFont.setPointSizeF(27.75);
    weekday->setFont(weekdayFont);
    // Laid out for the longest day name, before the captions are fitted to the fonts here.
    weekday->setText("Wednesday");

    printButton = place(new QPushButton("&Print", mainPanelFrame), 2945, 6147, 1575, 402);
    exitButton = place(new QPushButton("E&xit", mainPanelFrame), 5390, 6147, 1575, 402);
    printButton->setObjectName("Command2");
    exitButton->setObjectName("Command1");

    for (QWidget* control : std::initializer_list<QWidget*>{
             backgroundPicture, mainPanelFrame, colourArea, calendarPanel, fieldsPanel,
             weekdayPanel, weekday, monthBox, dayBox, yearBox, monthView, exitButton,
             printButton}) {
        attachOptionsPopup(control);
    }
}

void DateWindow::buildFields() {
    fieldsPanel = place(new Panel3D(mainPanelFrame), 3430, 4109, 3015, 483);
    fieldsPanel->setObjectName("SSPanel2");
    monthList = dropDownList(fieldsPanel, "Combo1", "Month list", 60, 64, 1155);
    for (int month = 1; month <= 12; ++month) {
        monthList->addItem(DateNames::monthName(month));
    }
    dayList = dropDownList(fieldsPanel, "Combo2", "Day list", 1315, 64, 660);
    for (int day = 1; day <= 31; ++day) {
        dayList->addItem(QString::number(day));
    }
    yearList = dropDownList(fieldsPanel, "Combo3", "Year list", 2075, 64, 885);
    monthBox = boxOver(monthList, "Text1", "Month", 890, true);
    dayBox = boxOver(dayList, "Text2", "Day", 390, true);
    yearBox = boxOver(yearList, "Text3", "Year", 615, false);
    yearBox->setMaxLength(4);
}

void DateWindow::buildMenus() {
    panelColourAction =
        optionsMenu->addAction("Panel C&olor", this, &DateWindow::ChoosePanelColour);
    optionsMenu->addSeparator();
    printAction = optionsMenu->addAction("&Print");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &DateWindow::ExitCommand);
    panelColourAction->setObjectName("mOColor");
    printAction->setObjectName("mOPrint");
    exitAction->setObjectName("mOExit");
}

void DateWindow::buildSideToolbar() {
    fillSideToolbar({{sideToolbarPicture(SidePicture::PanelColor), "Panel Color",
                      [this] { ChoosePanelColour(); }},
                     // Print is connected with the print commands.
                     {printPicture(), "Print"},
                     {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }}});
}
