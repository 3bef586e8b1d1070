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

#include <utility>

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

QPushButton* commandButton(QWidget* parent, const char* designName, const QString& caption,
                           int left, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(designName);
    place(button, left, top, 1500, 450);
    return button;
}

} // namespace

void PlannerWindow::buildControls() {
    mainPanelFrame = new Panel3D(centralWidget());
    mainPanelFrame->setObjectName("Panel3D1");
    mainPanelFrame->setAccessibleName("Daily Planner");
    // Large enough for the print preview panel it holds (195, 105, 9705 x 7110) with the margin
    // of its background label.
    mainPanelFrame->resize(Twips::toPixels(9960, 7275));
    mainPanelFrame->hide();
    mainPanelGround = new QLabel(mainPanelFrame);
    mainPanelGround->setObjectName("Label2");
    mainPanelGround->setAutoFillBackground(true);
    place(mainPanelGround, 60, 60, 9840, 7155);
    buildDayPage();
    buildCommands();
    buildOptionsPanel();
    buildMonthView();
    buildPrintPreview();
    buildColours();
    clockTimer = new QTimer(this);
    clockTimer->setObjectName("Timer1");
    clockTimer->setInterval(1000);
    clockTimer->start();
}

void PlannerWindow::buildDayPage() {
    clockPanel = new Panel3D(mainPanelFrame);
    clockPanel->setObjectName("SSPanel5");
    clockPanel->setAccessibleName("Time now");
    place(clockPanel, 150, 300, 1800, 400);
    datePanel = new Panel3D(mainPanelFrame);
    datePanel->setObjectName("SSPanel4");
    datePanel->setAccessibleName("Date shown");
    place(datePanel, 2050, 300, 7395, 400);
    QFont bold = datePanel->font();
    bold.setBold(true);
    datePanel->setFont(bold);

    pickerPanel = new Panel3D(mainPanelFrame);
    pickerPanel->setObjectName("SSPanel1");
    pickerPanel->setAccessibleName("Date picker panel");
    place(pickerPanel, 150, 1108, 4700, 3800);
    datePicker = new MonthView(pickerPanel);
    datePicker->setObjectName("MonthView1");
    datePicker->setAccessibleName("Date picker");

    const QStringList headings = {"Time", "Appointment/Activity"};
    for (std::size_t column = 0; column < 2; ++column) {
        columnHeadings[column] = new QLabel(headings.at(qsizetype(column)), mainPanelFrame);
        columnHeadings[column]->setObjectName("Label1");
        columnHeadings[column]->setFont(bold);
        place(columnHeadings[column], column == 0 ? kTimeLeft : kActivityLeft, 800,
              column == 0 ? kTimeWidth : kActivityWidth, 280);
    }
    restingColourBox = new QLineEdit(mainPanelFrame);
    restingColourBox->setObjectName("Text3");
    restingColourBox->hide();
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        auto* time = new QLineEdit(mainPanelFrame);
        time->setObjectName("Text1");
        time->setMaxLength(DayPage::kTimeLength);
        time->setAccessibleName(QString("Time, row %1").arg(row + 1));
        place(time, kTimeLeft, kRowTops[index], kTimeWidth, kBoxHeight);
        auto* activity = new QLineEdit(mainPanelFrame);
        activity->setObjectName("Text2");
        activity->setMaxLength(DayPage::kActivityLength);
        activity->setAccessibleName(QString("Appointment or activity, row %1").arg(row + 1));
        place(activity, kActivityLeft, kRowTops[index], kActivityWidth, kBoxHeight);
        for (QLineEdit* box : {time, activity}) {
            StorableText::guard(*box, &DayPage::acceptedEntry);
            box->setContextMenuPolicy(Qt::NoContextMenu);
        }
        timeBoxes[index] = time;
        activityBoxes[index] = activity;
    }
    // The tab order runs along the rows: time, activity, next row's time.
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        setTabOrder(timeBoxes[index], activityBoxes[index]);
        if (row + 1 < kRows) {
            setTabOrder(activityBoxes[index], timeBoxes[index + 1]);
        }
    }

    timeList = new QComboBox(mainPanelFrame);
    timeList->setObjectName("Combo1");
    timeList->setAccessibleName("Time list");
    timeList->setToolTip("Pick a time");
    timeList->setFocusPolicy(Qt::NoFocus);
    timeList->setMaxVisibleItems(12);
    timeList->resize(Twips::toPixels(1215, 315));
    timeList->hide();
}

void PlannerWindow::buildCommands() {
    constexpr int kFirstRow = 5100;
    constexpr int kSecondRow = 5700;
    saveButton = commandButton(mainPanelFrame, "Command1", "&Save", 150, kFirstRow);
    clearEntriesButton =
        commandButton(mainPanelFrame, "Command3", "Clear &Entries", 1750, kFirstRow);
    viewMonthButton = commandButton(mainPanelFrame, "Command4", "&View Month", 3350, kFirstRow);
    printButton = commandButton(mainPanelFrame, "Command7", "&Print", 150, kSecondRow);
    spellCheckButton =
        commandButton(mainPanelFrame, "Command8", "Spelling Chec&k", 1750, kSecondRow);
    exitButton = commandButton(mainPanelFrame, "Command2", "E&xit", 3350, kSecondRow);
    for (QWidget* control : std::initializer_list<QWidget*>{
             this, mainPanelGround, mainPanelFrame, pickerPanel, datePicker, saveButton, exitButton,
             clearEntriesButton, viewMonthButton, printButton, spellCheckButton}) {
        attachOptionsPopup(control);
    }
    // The picker's days, headings and month arrows take the right button too.
    for (QWidget* part : datePicker->findChildren<QWidget*>()) {
        attachOptionsPopup(part);
    }
}

void PlannerWindow::buildOptionsPanel() {
    calendarOptionsPanel = new Panel3D(mainPanelFrame, "Calendar Options");
    calendarOptionsPanel->setObjectName("SSPanel6");
    calendarOptionsPanel->setAccessibleName("Calendar Options");
    calendarOptionsPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(calendarOptionsPanel, 150, 1108, 9295, 4300);
    calendarOptionsPanel->hide();

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
    std::array<OptionGroup**, 4> groups = {&monthsShownOptions, &weekNumberOptions,
                                           &firstWeekdayOptions, &todayMarkOptions};
    for (std::size_t frame = 0; frame < 4; ++frame) {
        QGroupBox* box = new QGroupBox(frames[frame].title, calendarOptionsPanel);
        box->setObjectName(QString("SSFrame%1").arg(frame + 2));
        place(box, frames[frame].left, frames[frame].top, frames[frame].width,
              frames[frame].height);
        calendarOptionFrames[frame] = box;
        auto* group = new OptionGroup(this);
        group->setObjectName(QString("SSOption%1").arg(frame + 2));
        const qsizetype count = frames[frame].captions.size();
        for (qsizetype index = 0; index < count; ++index) {
            auto* option = new QRadioButton(frames[frame].captions.at(index), box);
            const qsizetype shown = frame == 3 ? count - 1 - index : index;
            place(option, 200, 300 + int(shown) * 300, frames[frame].width - 400, 280);
            group->add(option);
        }
        *groups.at(frame) = group;
    }
    closeOptionsButton = new QPushButton("&Close", calendarOptionsPanel);
    closeOptionsButton->setObjectName("Command14");
    place(closeOptionsButton, 4700, 3000, 1500, 450);
}

void PlannerWindow::buildMenus() {
    // The grid background selector is offered while the month view shows.
    gridBackgroundAction = optionsMenu->addAction("Grid &Background Selector", this,
                                                  &PlannerWindow::ToggleGridBackgroundSelector);
    panelColourAction = optionsMenu->addAction("Panel C&olor", this, &PlannerWindow::ChooseColour);
    textColourAction =
        optionsMenu->addAction("&Text Color", this, &PlannerWindow::ChooseTextColour);
    optionsMenu->addSeparator();
    viewMonthAction =
        optionsMenu->addAction("&View Entire Month", this, &PlannerWindow::ViewEntireMonth);
    viewMonthAction->setCheckable(true);
    clearEntriesAction =
        optionsMenu->addAction("Clear &Entries", this, &PlannerWindow::ClearDayPage);
    optionsMenu->addSeparator();
    popupCopyAction = optionsMenu->addAction("&Copy", this, &PlannerWindow::CopyPlannerText);
    popupCopyAction->setVisible(false);
    printAction = optionsMenu->addAction("&Print", this, &PlannerWindow::OpenPlannerPrintPreview);
    saveAction = optionsMenu->addAction("&Save", this, &PlannerWindow::SaveDayPage);
    spellCheckAction =
        optionsMenu->addAction("Spelling Chec&k", this, &PlannerWindow::SpellCheckEntries);
    optionsMenu->addSeparator();
    calendarOptionsAction = optionsMenu->addAction("Calendar &Display Options", this,
                                                   &PlannerWindow::OpenCalendarOptions);
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &PlannerWindow::ExitCommand);
    gridBackgroundAction->setEnabled(false);

    editMenu = new QMenu("&Edit", this);
    copyAction = editMenu->addAction("&Copy", this, &PlannerWindow::CopyPlannerText);
    utilitiesMenu = new QMenu("&Utilities", this);
    backupAction = utilitiesMenu->addAction("&Backup Selected Year File to Disk", this,
                                            &PlannerWindow::BackupYearFile);
    restoreAction = utilitiesMenu->addAction("&Restore Selected Year File from Disk", this,
                                             &PlannerWindow::RestoreYearFile);
    const std::pair<QObject*, const char*> designNames[] = {
        {gridBackgroundAction, "mOGrid"},
        {panelColourAction, "mOC"},
        {textColourAction, "mOTC"},
        {viewMonthAction, "mOV"},
        {clearEntriesAction, "mOClr"},
        {popupCopyAction, "mOCopy"},
        {printAction, "mOP"},
        {saveAction, "mOS"},
        {spellCheckAction, "mOSpell"},
        {calendarOptionsAction, "mOCal"},
        {exitAction, "mOE"},
        {editMenu, "mE1"},
        {copyAction, "mECopy"},
        {utilitiesMenu, "mU"},
        {backupAction, "mUB"},
        {restoreAction, "mUR"},
    };
    for (const auto& [object, name] : designNames) {
        object->setObjectName(name);
    }
    menuBar()->insertMenu(helpAction, editMenu);
    menuBar()->insertMenu(helpAction, utilitiesMenu);
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
             if (calendarOptionsPanel->isVisible()) {
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
            if (printPreview->isOpen()) {
                services_.sound.beep();
                return;
            }
            command();
        };
    }
    fillSideToolbar(buttons);
    // The grid background selector is offered while the month view shows.
    leftToolbarButton(1)->setEnabled(false);
}

void PlannerWindow::connectHandlers() {
    connectSpellChecker();
    connect(clockTimer, &QTimer::timeout, this, &PlannerWindow::ShowClockTime);
    connect(saveButton, &QPushButton::clicked, this, &PlannerWindow::SaveDayPage);
    connect(exitButton, &QPushButton::clicked, this, &PlannerWindow::ExitCommand);
    connect(clearEntriesButton, &QPushButton::clicked, this, &PlannerWindow::ClearDayPage);
    connect(viewMonthButton, &QPushButton::clicked, this, &PlannerWindow::ViewEntireMonth);
    connect(printButton, &QPushButton::clicked, this, &PlannerWindow::OpenDayPrintPreview);
    connect(spellCheckButton, &QPushButton::clicked, this, &PlannerWindow::SpellCheckEntries);
    connect(closeOptionsButton, &QPushButton::clicked, this, &PlannerWindow::CloseCalendarOptions);
    connect(datePicker, &MonthView::selectionChanged, this, &PlannerWindow::SelectDay);
    connect(timeList, &QComboBox::activated, this, &PlannerWindow::PickTime);
    connect(utilitiesMenu, &QMenu::aboutToShow, this, &PlannerWindow::UtilitiesOpened);
    connect(monthsShownOptions, &OptionGroup::clicked, this, &PlannerWindow::ChooseMonthsShown);
    connect(weekNumberOptions, &OptionGroup::clicked, this, &PlannerWindow::ChooseWeekNumbers);
    connect(firstWeekdayOptions, &OptionGroup::clicked, this, &PlannerWindow::ChooseFirstWeekday);
    connect(todayMarkOptions, &OptionGroup::clicked, this, &PlannerWindow::ChooseTodayMark);
    for (int row = 0; row < kRows; ++row) {
        const auto index = std::size_t(row);
        for (QLineEdit* box : {timeBoxes[index], activityBoxes[index]}) {
            // Every edit marks the page: typing, Backspace, Delete, cut, paste and undo.
            connect(box, &QLineEdit::textEdited, this, &PlannerWindow::markEdited);
        }
        focusMoves().onGotFocus(timeBoxes[index], [this, row] { timeBoxGotFocus(row); });
        focusMoves().onGotFocus(activityBoxes[index], [this, row] { activityBoxGotFocus(row); });
        focusMoves().onLostFocus(timeBoxes[index], [this] { restColumn(timeBoxes); });
        focusMoves().onLostFocus(activityBoxes[index], [this] { restColumn(activityBoxes); });
    }
    // The right-click menu stays shut while the options panel or the print preview shows; it
    // offers "&Copy" only while the Edit menu's copy is enabled.
    setOptionsPopupHooks([this] {
        if (calendarOptionsPanel->isVisible() || printPreview->isOpen()) {
            return false;
        }
        popupCopyAction->setVisible(copyAction->isEnabled());
        return true;
    });
    connect(optionsMenu, &QMenu::aboutToHide, popupCopyAction,
            [this] { popupCopyAction->setVisible(false); });
}
