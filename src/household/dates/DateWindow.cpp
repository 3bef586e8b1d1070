// The date window: load, activation, exit, and the handlers that keep boxes, month view and
// weekday in step.
#include "DateWindow.h"

#include "DateNames.h"
#include "DatePrintout.h"
#include "DefaultPrintFont.h"
#include "DropDownList.h"
#include "NumericValue.h"
#include "PagingSelection.h"
#include "Panel3D.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "StatusBar.h"
#include "Twips.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

ActivityConstants dateConstants() {
    ActivityConstants constants = ActivityConstants::household(14, 2004);
    constants.restoreOffset = 0;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

DateWindow::DateWindow(Services& services)
    : ActivityWindow(services, dateConstants(), kCaption),
      panelColours_(services, "Save changes made to Panel and or Text Color?") {
    setObjectName("DateF");
    buildControls();
    buildMenus();
    buildSideToolbar();
    connectHandlers();
    panelColours_.add({"Panel Color", {Label2}, SettingsFile::GColor3, 91, kFirstRunColour});
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

DateWindow::~DateWindow() = default;

QWidget* DateWindow::mainPanel() const {
    return Panel3D1;
}

void DateWindow::connectHandlers() {
    // activated: a person's choice, also of the item already chosen; never a setting from code.
    connect(Combo1, &QComboBox::activated, this, &DateWindow::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &DateWindow::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &DateWindow::Combo3_Click);
    connect(Combo1, &DropDownList::droppingDown, this, [this] { DropDown(Combo1, Text1); });
    connect(Combo2, &DropDownList::droppingDown, this, [this] { DropDown(Combo2, Text2); });
    connect(Combo3, &DropDownList::droppingDown, this, [this] { DropDown(Combo3, Text3); });
    // Typing, pasting and cutting; the window's own settings of the box are made with the box's
    // signals blocked and call the check themselves where it is due.
    connect(Text3, &QLineEdit::textChanged, this, &DateWindow::CheckTypedYear);
    connect(MonthView1, &QCalendarWidget::selectionChanged, this, &DateWindow::ShowDateFields);
    selectOnPaging(*MonthView1);
    connect(Command1, &QPushButton::clicked, this, &DateWindow::ExitCommand);
    connect(Command2, &QPushButton::clicked, this, &DateWindow::PrintDateFunction);
    connect(mOPrint, &QAction::triggered, this, &DateWindow::PrintDateFunction);
    connect(Toolbar2Button(2), &QAction::triggered, this, &DateWindow::PrintDateFunction);
}

void DateWindow::Form_Load() {
    LoadFormServices();
    panelColours_.LoadPanelColour();
    const QDate today = services_.clock.today();
    {
        const QSignalBlocker blocker(MonthView1);
        MonthView1->setSelectedDate(today);
    }
    for (int year = DateNames::kFirstYear; year <= DateNames::kLastYear; ++year) {
        Combo3->addItem(QString::number(year));
    }
    showFields(fieldsOf(today));
    Label3->setText(DateNames::weekdayName(today));
    // Filling the year box is a change of it: the year list and the month number follow.
    CheckTypedYear();
    const QColor face = systemDefaultColour();
    for (Panel3D* panel : {Panel3D1, SSPanel1, SSPanel2, SSPanel3}) {
        panel->setBackColour(face);
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void DateWindow::Form_Activate() {
    ActivateFormServices();
    MonthView1->move((SSPanel1->width() - MonthView1->width()) / 2,
                     (SSPanel1->height() - MonthView1->height()) / 2);
    if (program_.ScreenMode == 0) {
        // In the full-screen display the lists have grown; the boxes follow, their buttons free.
        const struct {
            QLineEdit* box;
            DropDownList* list;
            double share;
        } boxes[] = {{Text1, Combo1, 0.85}, {Text2, Combo2, 0.74}, {Text3, Combo3, 0.8}};
        for (const auto& entry : boxes) {
            entry.box->resize(qRound(entry.share * entry.list->width()), entry.list->height());
        }
    }
    showStatus(windowTitle());
}

void DateWindow::ExitCommand() {
    close();
}

bool DateWindow::ExitQuestions() {
    panelColours_.PromptSaveColours();
    return true;
}

QDate DateWindow::chosenDate() const {
    return MonthView1->selectedDate();
}

DateFields DateWindow::fields() const {
    return {Text1->text(), Text2->text(), Text3->text()};
}

void DateWindow::showFields(const DateFields& fields) {
    Text1->setText(fields.month);
    Text2->setText(fields.day);
    setYearBox(fields.year);
}

void DateWindow::setYearBox(const QString& year) {
    const QSignalBlocker blocker(Text3);
    Text3->setText(year);
}

void DateWindow::showDate(const QDate& date) {
    {
        const QSignalBlocker blocker(MonthView1);
        MonthView1->setSelectedDate(date);
    }
    Label3->setText(DateNames::weekdayName(date));
}

void DateWindow::DropDown(DropDownList* list, QLineEdit* box) {
    const QSignalBlocker blocker(list);
    const int index = list->findText(box->text());
    if (index >= 0) {
        list->setCurrentIndex(index);
    }
}

void DateWindow::Combo1_Click() {
    Text1->setText(Combo1->currentText());
    MonthOrYearChosen();
}

void DateWindow::Combo3_Click() {
    // Every year of the list is one the check would accept as it stands.
    setYearBox(Combo3->currentText());
    MonthOrYearChosen();
}

void DateWindow::MonthOrYearChosen() {
    const ResolvedDate resolved = ResolveSelectedDate(fields(), MonthNumber);
    MonthNumber = resolved.monthNumber;
    // Without a usable year (still being typed) there is no date: nothing else moves.
    if (!resolved.date.has_value()) {
        return;
    }
    showFields(resolved.fields);
    showDate(*resolved.date);
}

void DateWindow::Combo2_Click() {
    Text2->setText(Combo2->currentText());
    const ResolvedDate resolved = ResolveChosenDay(fields(), MonthNumber);
    if (!resolved.date.has_value()) {
        return;
    }
    showFields(resolved.fields);
    showDate(*resolved.date);
}

void DateWindow::CheckTypedYear() {
    // The box is set again below; that setting is part of this check, not a new one.
    if (checkingYear_) {
        return;
    }
    const QScopedValueRollback guard(checkingYear_, true);
    // A typed year takes effect at its fourth character.
    if (Text3->text().size() != 4) {
        return;
    }
    const int typed = numericValue(Text3->text());
    if (typed < DateNames::kFirstYear) {
        MinimumYearMessage();
        setYearBox(QString::number(DateNames::kFirstYear));
    } else if (typed > DateNames::kLastYear) {
        MaximumYearMessage();
        setYearBox(QString::number(DateNames::kLastYear));
    }
    {
        const QSignalBlocker blocker(Combo3);
        Combo3->setCurrentIndex(Combo3->findText(Text3->text()));
    }
    MonthOrYearChosen();
}

void DateWindow::MinimumYearMessage() {
    services_.dialogs.message({"Lower value cannot be less then 1753!", "Minimum Year",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void DateWindow::MaximumYearMessage() {
    services_.dialogs.message({"Upper value cannot be more then 2500!", "Maximum Year",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void DateWindow::ShowDateFields() {
    const QDate date = MonthView1->selectedDate();
    const DateFields shown = fieldsOf(date);
    Text1->setText(shown.month);
    Text2->setText(shown.day);
    Label3->setText(DateNames::weekdayName(date));
    if (Text3->text() != shown.year) {
        setYearBox(shown.year);
        CheckTypedYear();
    }
}

void DateWindow::PanelColour_Click() {
    showStatus("Panel Color");
    panelColours_.ChooseColour(0);
    showStatus(windowTitle());
}

void DateWindow::PrintDateFunction() {
    showStatus("Printing Date");
    program_.BusyPointer();
    Printer& printer = services_.printer;
    // The month box keeps the classic dialog font, which prints as "Times New Roman".
    const QString font = printerFamilyFor(printer, QStringLiteral("MS Sans Serif"));
    program_.PrintSettings.PrintFontName = font;
    program_.PrintSettings.PrintFontSize = qint32(24);
    PrintLayout layout;
    DatePrintout::build(layout, pageGeometryOf(printer.defaultPageLayout()), font, chosenDate(),
                        services_.clock.today());
    program_.NormalPointer(); // the print dialog waits for the person
    printDocument(printer, services_.dialogs, layout.document(), kCaption, this);
    showStatus(windowTitle());
}
