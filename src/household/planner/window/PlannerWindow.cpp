// The planner window: load, activation, keys, clock and exit.
#include "PlannerWindow.h"

#include "ColorNumber.h"
#include "DayPage.h"
#include "DisplayText.h"
#include "FocusMoves.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "PrintPreviewPanel.h"
#include "SpellChecker.h"
#include "StatusBar.h"
#include "TextContrast.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

PlannerWindow::PlannerWindow(Services& services)
    : ActivityWindow(services, ActivityConstants::household(12, 2003), kCaption) {
    setObjectName("Zcalandar1");
    buildControls();
    spellChecker = new SpellChecker(services_, this);
    spellChecker->setObjectName("VSSpell1");
    buildMenus();
    buildSideToolbar();
    connectHandlers();
    // The window sees its keys before the focused control does.
    qApp->installEventFilter(this);
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load(true);
}

PlannerWindow::~PlannerWindow() {
    qApp->removeEventFilter(this);
}

QWidget* PlannerWindow::mainPanel() const {
    return mainPanelFrame;
}

void PlannerWindow::Form_Load(bool fillTimeList) {
    LoadFormServices();
    leftToolbarButton(1)->setEnabled(false);
    EntriesChanged = 0;
    ShowClockTime();
    const QDate today = services_.clock.today();
    datePicker->setToday(today);
    datePicker->setSelectedDate(today);
    LoadDayEntries();
    EntriesChanged = 0;
    // The pairs only: the dictionaries are read at the first check.
    LoadAutoCorrectTable();
    LoadPlannerColours();
    // The column headings lie on the ground, which shows the window's background colour: black
    // where black reads on it, else white (on the blue the program starts with).
    for (QLabel* heading : columnHeadings) {
        TextContrast::showReadable(*heading, Qt::black,
                                   mainPanelGround->palette().color(QPalette::Window));
    }
    datePicker->setPalette(mainPanelGround->palette());
    gridBackgroundSelector->setPalette(mainPanelGround->palette());
    Options = CalendarOptions::read(services_.folder);
    QCoreApplication::processEvents();
    if (fillTimeList) {
        timeList->addItems(DayPage::timeChoices());
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    program_.PrintSettings.PrintFontColour =
        qint32(ColorNumber::fromColor(monthGrid->foreColour()));
    // Selected under the panel's own loading flag: the choice is applied, not written back.
    printPreview->loadGuideLineChoice();
}

void PlannerWindow::Form_Activate() {
    ActivateFormServices();
    printPreview->activate();
    // A first weekday never saved is Sunday.
    if (Options.FirstWeekday == 0) {
        Options.FirstWeekday = 1;
    }
    selectOptions();
    QCoreApplication::processEvents();
    showStatus(windowTitle());
    program_.NormalPointer();
}

void PlannerWindow::ShowClockTime() {
    clockPanel->setCaption(DisplayText::clockTime(services_.clock.now().time()));
}

void PlannerWindow::ExitCommand() {
    close();
}

bool PlannerWindow::PromptSaveOnExit() {
    timeList->hide();
    program_.SignalValue = 0;
    if (EntriesChanged == 1) {
        const Dialogs::Answer answer =
            services_.dialogs.message({"Save changes/entries before exiting?", "Daily Planner",
                                       Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel});
        program_.SignalValue = int(answer);
        const bool stay = answer == Dialogs::Answer::Cancel ||
                          (answer == Dialogs::Answer::Yes && !SaveLoadedDay());
        if (stay) {
            // No other activity opens either: the next exit asks for its own.
            program_.SignalValue = 0;
            program_.NextActivity = 0;
            showStatus(windowTitle());
            return false;
        }
        EntriesChanged = 0;
    }
    program_.SignalValue = 0;
    if (coloursChanged()) {
        PromptSaveColours();
    }
    return true;
}

void PlannerWindow::Form_Unload() {
    clockTimer->stop();
}

void PlannerWindow::SaveWithoutAsking() {
    if (EntriesChanged == 1 && SaveLoadedDay()) {
        EntriesChanged = 0;
    }
}

bool PlannerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this) {
        return ActivityWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        ShowHelpTopic();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        EscapeKey();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter moves along the rows and is never typed: time, activity, next row's time.
        for (int row = 0; row < kRows; ++row) {
            if (watched == timeBoxes.at(std::size_t(row))) {
                activityBoxes.at(std::size_t(row))->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (watched == activityBoxes.at(std::size_t(row))) {
                timeBoxes.at(std::size_t((row + 1) % kRows))->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

void PlannerWindow::EscapeKey() {
    // The first that shows: the preview (its "Normal", else its "&Cancel"), the grid background
    // selector, the month view, the calendar options.
    if (printPreview->escape()) {
        return;
    }
    if (gridBackgroundSelector->isVisible()) {
        gridBackgroundSelector->choiceButtons[3]->click();
    } else if (monthViewPanel->isVisible()) {
        CloseMonthView();
    } else if (calendarOptionsPanel->isVisible()) {
        CloseCalendarOptions();
    } else {
        ExitCommand();
    }
}
