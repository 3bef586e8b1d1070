// Building the planner window: the day page, the commands, the calendar options panel, menus and
// the side toolbar.
#include "PlannerWindow.h"

#include "ColorNumber.h"
#include "DayPage.h"
#include "FocusMoves.h"
#include "MonthView.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PlannerToolbarPictures.h"
#include "PrintPreviewPanel.h"
#include "SideToolbarPictures.h"
#include "SpellChecker.h"
#include "StorableText.h"
#include "Twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

namespace {

// The tops of the fourteen rows, about 330 twips apart.
constexpr std::array<int, PlannerWindow::kRows> kRowTops = {
    1108, 1438, 1766, 2091, 2419, 2749, 3077, 3408, 3736, 4066, 4389, 4719, 5048, 5378};
constexpr int kTimeLeft = 5000;
constexpr int kTimeWidth = 1000;
constexpr int kActivityLeft = 6045;
constexpr int kActivityWidth = 3400;
constexpr int kBoxHeight = 306;

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(Twips::toPixels(left, top, width, height));
}

QPushButton* commandButton(QWidget* parent, const QString& caption, int left, int top) {
    auto* button = new QPushButton(caption, parent);
    place(button, left, top, 1500, 450);
    return button;
}

} // namespace

void PlannerWindow::buildControls() {
    Panel3D1 = new Panel3D(centralWidget());
    Panel3D1->setObjectName("Panel3D1");
    Panel3D1->setAccessibleName("Daily Planner");
    // Large enough for the print preview panel it holds (195, 105, 9705 x 7110) with the margin
    // of its background label.
    Panel3D1->resize(Twips::toPixels(9960, 7275));
    Panel3D1->hide();
    Label2 = new QLabel(Panel3D1);
    Label2->setAutoFillBackground(true);
    place(Label2, 60, 60, 9840, 7155);
    buildDayPage();
    buildCommands();
    buildOptionsPanel();
    buildMonthView();
    buildPrintPreview();
    buildColours();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->start();
}

void PlannerWindow::buildDayPage() {
    SSPanel5 = new Panel3D(Panel3D1);
    SSPanel5->setAccessibleName("Time now");
    place(SSPanel5, 150, 300, 1800, 400);
    SSPanel4 = new Panel3D(Panel3D1);
    SSPanel4->setAccessibleName("Date shown");
    place(SSPanel4, 2050, 300, 7395, 400);
    QFont bold = SSPanel4->font();
    bold.setBold(true);
    SSPanel4->setFont(bold);

    SSPanel1 = new Panel3D(Panel3D1);
    SSPanel1->setAccessibleName("Date picker panel");
    place(SSPanel1, 150, 1108, 4700, 3800);
    MonthView1 = new MonthView(SSPanel1);
    MonthView1->setAccessibleName("Date picker");

    const QStringList headings = {"Time", "Appointment/Activity"};
    for (std::size_t column = 0; column < 2; ++column) {
        Label1[column] = new QLabel(headings.at(qsizetype(column)), Panel3D1);
        Label1[column]->setFont(bold);
        place(Label1[column], column == 0 ? kTimeLeft : kActivityLeft, 800,
              column == 0 ? kTimeWidth : kActivityWidth, 280);
    }
    Text3 = new QLineEdit(Panel3D1);
    Text3->hide();
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        auto* time = new QLineEdit(Panel3D1);
        time->setMaxLength(DayPage::kTimeLength);
        time->setAccessibleName(QString("Time, row %1").arg(row + 1));
        place(time, kTimeLeft, kRowTops[index], kTimeWidth, kBoxHeight);
        auto* activity = new QLineEdit(Panel3D1);
        activity->setMaxLength(DayPage::kActivityLength);
        activity->setAccessibleName(QString("Appointment or activity, row %1").arg(row + 1));
        place(activity, kActivityLeft, kRowTops[index], kActivityWidth, kBoxHeight);
        for (QLineEdit* box : {time, activity}) {
            StorableText::guard(*box, &DayPage::acceptedEntry);
            box->setContextMenuPolicy(Qt::NoContextMenu);
        }
        Text1[index] = time;
        Text2[index] = activity;
    }
    // The tab order runs along the rows: time, activity, next row's time.
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        setTabOrder(Text1[index], Text2[index]);
        if (row + 1 < kRows) {
            setTabOrder(Text2[index], Text1[index + 1]);
        }
    }

    Combo1 = new QComboBox(Panel3D1);
    Combo1->setAccessibleName("Time list");
    Combo1->setToolTip("Pick a time");
    Combo1->setFocusPolicy(Qt::NoFocus);
    Combo1->setMaxVisibleItems(12);
    Combo1->resize(Twips::toPixels(1215, 315));
    Combo1->hide();
}

void PlannerWindow::buildCommands() {
    constexpr int kFirstRow = 5100;
    constexpr int kSecondRow = 5700;
    Command1 = commandButton(Panel3D1, "&Save", 150, kFirstRow);
    Command3 = commandButton(Panel3D1, "Clear &Entries", 1750, kFirstRow);
    Command4 = commandButton(Panel3D1, "&View Month", 3350, kFirstRow);
    Command7 = commandButton(Panel3D1, "&Print", 150, kSecondRow);
    Command8 = commandButton(Panel3D1, "Spelling Chec&k", 1750, kSecondRow);
    Command2 = commandButton(Panel3D1, "E&xit", 3350, kSecondRow);
    for (QWidget* control :
         std::initializer_list<QWidget*>{this, Label2, Panel3D1, SSPanel1, MonthView1, Command1,
                                         Command2, Command3, Command4, Command7, Command8}) {
        attachOptionsPopup(control);
    }
    // The picker's days, headings and month arrows take the right button too.
    for (QWidget* part : MonthView1->findChildren<QWidget*>()) {
        attachOptionsPopup(part);
    }
}

void PlannerWindow::buildOptionsPanel() {
    SSPanel6 = new Panel3D(Panel3D1, "Calendar Options");
    SSPanel6->setAccessibleName("Calendar Options");
    SSPanel6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(SSPanel6, 150, 1108, 9295, 4300);
    SSPanel6->hide();

    const struct {
        const char* title;
        QStringList captions;
        int left;
        int top;
        int width;
        int height;
    } frames[] = {
        {"Number of Months to Display", {"One Month (1)", "Two Months (2)"}, 200, 400, 4300, 1100},
        {"Display the Week Numbers",
         {"Yes (Display)", "No (Don't Display)"},
         4700,
         400,
         4300,
         1100},
        {"Start Week With",
         {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
         200,
         1600,
         4300,
         2600},
        // Index 0 is "No", 1 "Yes"; "Yes" shows first.
        {"Display Today's Date", {"No", "Yes"}, 4700, 1600, 4300, 1100},
    };
    std::array<OptionGroup**, 4> groups = {&SSOption2, &SSOption3, &SSOption4, &SSOption5};
    for (std::size_t frame = 0; frame < 4; ++frame) {
        QGroupBox* box = new QGroupBox(frames[frame].title, SSPanel6);
        place(box, frames[frame].left, frames[frame].top, frames[frame].width,
              frames[frame].height);
        SSFrame[frame] = box;
        auto* group = new OptionGroup(this);
        const qsizetype count = frames[frame].captions.size();
        for (qsizetype index = 0; index < count; ++index) {
            auto* option = new QRadioButton(frames[frame].captions.at(index), box);
            const qsizetype shown = frame == 3 ? count - 1 - index : index;
            place(option, 200, 300 + int(shown) * 300, frames[frame].width - 400, 280);
            group->add(option);
        }
        *groups.at(frame) = group;
    }
    Command14 = new QPushButton("&Close", SSPanel6);
    place(Command14, 4700, 3000, 1500, 450);
}

void PlannerWindow::buildMenus() {
    // The grid background selector is offered while the month view shows.
    mOGrid = mO->addAction("Grid &Background Selector", this,
                           &PlannerWindow::ToggleGridBackgroundSelector);
    mOC = mO->addAction("Panel C&olor", this, &PlannerWindow::ChooseColour);
    mOTC = mO->addAction("&Text Color", this, &PlannerWindow::ChooseTextColour);
    mO->addSeparator();
    mOV = mO->addAction("&View Entire Month", this, &PlannerWindow::ViewEntireMonth);
    mOV->setCheckable(true);
    mOClr = mO->addAction("Clear &Entries", this, &PlannerWindow::ClearDayPage);
    mO->addSeparator();
    mOCopy = mO->addAction("&Copy", this, &PlannerWindow::CopyPlannerText);
    mOCopy->setVisible(false);
    mOP = mO->addAction("&Print", this, &PlannerWindow::OpenPlannerPrintPreview);
    mOS = mO->addAction("&Save", this, &PlannerWindow::SaveDayPage);
    mOSpell = mO->addAction("Spelling Chec&k", this, &PlannerWindow::SpellCheckEntries);
    mO->addSeparator();
    mOCal = mO->addAction("Calendar &Display Options", this, &PlannerWindow::OpenCalendarOptions);
    mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &PlannerWindow::ExitCommand);
    mOGrid->setEnabled(false);

    mE1 = new QMenu("&Edit", this);
    mECopy = mE1->addAction("&Copy", this, &PlannerWindow::CopyPlannerText);
    mU = new QMenu("&Utilities", this);
    mUB = mU->addAction("&Backup Selected Year File to Disk", this, &PlannerWindow::BackupYearFile);
    mUR = mU->addAction("&Restore Selected Year File from Disk", this,
                        &PlannerWindow::RestoreYearFile);
    menuBar()->insertMenu(mH, mE1);
    menuBar()->insertMenu(mH, mU);
    UtilitiesOpened();
}

void PlannerWindow::buildSideToolbar() {
    QList<SideToolbarButton> buttons = {
        {plannerToolbarPicture(PlannerPicture::GridBackground), "Grid Background Selector",
         [this] { ToggleGridBackgroundSelector(); }},
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        {plannerToolbarPicture(PlannerPicture::TextColor), "Text Color",
         [this] { ChooseTextColour(); }},
        {plannerToolbarPicture(PlannerPicture::Month), "View Entire Month",
         [this] { ViewEntireMonth(); }},
        {plannerToolbarPicture(PlannerPicture::Clear), "Clear Entries", [this] { ClearDayPage(); }},
        {plannerToolbarPicture(PlannerPicture::Copy), "Copy", [this] { CopyPlannerText(); }},
        {plannerToolbarPicture(PlannerPicture::Print), "Print",
         [this] { OpenPlannerPrintPreview(); }},
        // Closes the options panel when it shows, else opens it.
        {plannerToolbarPicture(PlannerPicture::CalendarOptions), "Calendar Display Options",
         [this] {
             if (SSPanel6->isVisible()) {
                 CloseCalendarOptions();
             } else {
                 OpenCalendarOptions();
             }
         }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    };
    // While the print preview shows, every button only beeps.
    for (SideToolbarButton& button : buttons) {
        button.command = [this, command = std::move(button.command)] {
            if (SSPanel80->isOpen()) {
                services_.sound.beep();
                return;
            }
            command();
        };
    }
    fillSideToolbar(buttons);
    // The grid background selector is offered while the month view shows.
    Toolbar2Button(1)->setEnabled(false);
}

void PlannerWindow::connectHandlers() {
    connectSpellChecker();
    connect(Timer1, &QTimer::timeout, this, &PlannerWindow::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &PlannerWindow::SaveDayPage);
    connect(Command2, &QPushButton::clicked, this, &PlannerWindow::ExitCommand);
    connect(Command3, &QPushButton::clicked, this, &PlannerWindow::ClearDayPage);
    connect(Command4, &QPushButton::clicked, this, &PlannerWindow::ViewEntireMonth);
    connect(Command7, &QPushButton::clicked, this, &PlannerWindow::OpenDayPrintPreview);
    connect(Command8, &QPushButton::clicked, this, &PlannerWindow::SpellCheckEntries);
    connect(Command14, &QPushButton::clicked, this, &PlannerWindow::CloseCalendarOptions);
    connect(MonthView1, &MonthView::selectionChanged, this, &PlannerWindow::SelectDay);
    connect(Combo1, &QComboBox::activated, this, &PlannerWindow::PickTime);
    connect(mU, &QMenu::aboutToShow, this, &PlannerWindow::UtilitiesOpened);
    connect(SSOption2, &OptionGroup::clicked, this, &PlannerWindow::ChooseMonthsShown);
    connect(SSOption3, &OptionGroup::clicked, this, &PlannerWindow::ChooseWeekNumbers);
    connect(SSOption4, &OptionGroup::clicked, this, &PlannerWindow::ChooseFirstWeekday);
    connect(SSOption5, &OptionGroup::clicked, this, &PlannerWindow::ChooseTodayMark);
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        for (QLineEdit* box : {Text1[index], Text2[index]}) {
            // Every edit marks the page: typing, Backspace, Delete, cut, paste and undo.
            connect(box, &QLineEdit::textEdited, this, &PlannerWindow::markEdited);
        }
        focusMoves().onGotFocus(Text1[index], [this, row] { timeBoxGotFocus(row); });
        focusMoves().onGotFocus(Text2[index], [this, row] { activityBoxGotFocus(row); });
        focusMoves().onLostFocus(Text1[index], [this] { restColumn(Text1); });
        focusMoves().onLostFocus(Text2[index], [this] { restColumn(Text2); });
    }
    // The right-click menu stays shut while the options panel or the print preview shows; it
    // offers "&Copy" only while the Edit menu's copy is enabled.
    setOptionsPopupHooks([this] {
        if (SSPanel6->isVisible() || SSPanel80->isOpen()) {
            return false;
        }
        mOCopy->setVisible(mECopy->isEnabled());
        return true;
    });
    connect(mO, &QMenu::aboutToHide, mOCopy, [this] { mOCopy->setVisible(false); });
}
