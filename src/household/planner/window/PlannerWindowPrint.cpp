// The print preview of the day page, in one or two columns, and of the month grid.
#include "PlannerWindow.h"

#include "ColorNumber.h"
#include "DefaultPrintFont.h"
#include "GridControl.h"
#include "MonthView.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PlannerPrintouts.h"
#include "PrintPreviewPanel.h"
#include "PrintSettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr int kMonthPrint = 0;
constexpr int kDayOneColumn = 2;
constexpr int kDayTwoColumns = 22;

} // namespace

void PlannerWindow::buildPrintPreview() {
    PrintPreviewPanel::Config config;
    config.buildDocument = [this](::PrintLayout& layout) {
        const PrintSettings& settings = program_.PrintSettings;
        if (PrintLayout == kMonthPrint) {
            MonthPrint month;
            month.month = ListedMonth;
            month.year = ListedYear;
            month.today = services_.clock.today();
            month.rows = monthGridRows();
            month.gridLines = GridLinesOff == 0;
            BuildMonthPrint(layout, month, settings);
            return;
        }
        // The page's rows under the title of the day they belong to.
        DayPrint day;
        day.date = LoadedDate.isValid() ? LoadedDate : datePicker->selectedDate();
        for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
            day.times[row] = timeBoxes[row]->text();
            day.activities[row] = activityBoxes[row]->text();
        }
        if (PrintLayout == kDayOneColumn) {
            BuildDayPrintOneColumn(layout, day, settings);
        } else {
            BuildDayPrintTwoColumns(layout, day, settings);
        }
    };
    config.fillDefaults = [this] {
        // The time boxes are designed in the classic sans serif, which prints as "Times New
        // Roman" at 10 points for the day and 14 for the month; an earlier font choice does not
        // carry over, its underline, strikethrough and colour do.
        const QString size = PrintLayout == kMonthPrint ? "14" : "10";
        QFont design = timeBoxes[0]->font();
        design.setFamily("MS Sans Serif");
        PrintSettings& settings = program_.PrintSettings;
        applyDefaultPrintFont(settings, services_.printer, design, {size, false});
        if (const auto points = PrintValue::toSingle(settings.PrintFontSize);
            !points || *points <= 0) {
            settings.PrintFontSize = size;
        }
    };
    config.openChanged = [this](bool open) {
        optionsMenu->menuAction()->setEnabled(!open);
        editMenu->menuAction()->setEnabled(!open);
        if (!open) {
            showStatus(windowTitle());
        }
    };
    config.rangeCaption = "All Data Will Be Printed";
    config.optionsCaption = "Print Options";
    config.enlargedLeft = 90;
    config.enlargedWidthLess = 160;
    config.autoSizeReference = [this] {
        return QString(PrintLayout == kMonthPrint ? 76 : 114, 'n');
    };
    config.guideLineRecord = 11;
    config.threeD = false;
    printPreview = new PrintPreviewPanel(services_, config, mainPanelFrame);
    printPreview->setObjectName("SSPanel80");
    PrintPreviewPanel& panel = *printPreview;
    panel.place(&panel, 195, 105, 9705, 7110);
    panel.place(panel.optionFrames[0], 195, 110, 3240, 706);
    panel.place(panel.printRangeOption, 300, 314, 2055, 266);
    panel.place(panel.optionFrames[2], 195, 862, 3255, 847);
    panel.place(panel.optionFrames[1], 195, 1808, 3255, 1333);
    panel.place(panel.guideLineOptions->button(0), 300, 272, 2415, 266);
    panel.place(panel.guideLineOptions->button(1), 300, 617, 2415, 266);
    panel.place(panel.settingLabels[2], 90, 999, 1020, 209);
    panel.place(panel.settingPanels[2], 1140, 956, 2010, 314);
    panel.place(panel.settingLabels[1], 120, 3271, 945, 209);
    panel.place(panel.settingPanels[0], 1090, 3240, 2325, 314);
    panel.place(panel.settingLabels[0], 105, 3642, 795, 209);
    panel.place(panel.settingPanels[1], 930, 3616, 585, 314);
    panel.place(panel.sampleFrame, 195, 3946, 3240, 1000);
    panel.place(panel.sampleText, 330, 230, 2490, 660);
    const struct {
        int index, left, top, width, height;
    } buttons[] = {{0, 565, 5000, 2425, 390},
                   {1, 570, 5400, 2430, 390},
                   {3, 565, 5830, 2425, 360},
                   {4, 565, 6230, 2430, 390},
                   {2, 565, 6645, 2425, 400}};
    for (const auto& b : buttons) {
        panel.place(panel.commandButtons.at(std::size_t(b.index)), b.left, b.top, b.width,
                    b.height);
    }
    panel.place(panel.preview, 3540, 105, 6030, 6945);
    panel.place(panel.autoSizeButton, 7790, 141, 795, 219);
    panel.place(panel.enlargeButton, 8790, 141, 750, 219);

    printColumnOptions = new OptionGroup(this);
    printColumnOptions->setObjectName("Option83");
    const char* captions[] = {"One Column Output", "Two Column Output"};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(captions[index], panel.optionFrames[2]);
        panel.place(option, 300, index == 0 ? 252 : 502, 2775, 266);
        printColumnOptions->add(option);
    }
    printGridLinesBox = new QCheckBox("Print Grid Lines", panel.optionFrames[2]);
    printGridLinesBox->setObjectName("Check83");
    panel.place(printGridLinesBox, 300, 502, 2295, 204);
    connect(printColumnOptions, &OptionGroup::clicked, this, &PlannerWindow::SetDayPrintColumns);
    connect(printGridLinesBox, &QCheckBox::clicked, this, &PlannerWindow::SetPrintGridLines);
}

void PlannerWindow::OpenDayPrintPreview() {
    timeList->hide();
    bool something = false;
    for (std::size_t row = 0; row < std::size_t(kRows) && !something; ++row) {
        something = !timeBoxes[row]->text().isEmpty() || !activityBoxes[row]->text().isEmpty();
    }
    if (!something) {
        services_.dialogs.message({"There are currently No Entries to Print!", "Print",
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        return;
    }
    // Every opening shows the day in one column.
    PrintLayout = kDayOneColumn;
    for (int index = 0; index < 2; ++index) {
        printColumnOptions->button(index)->show();
    }
    {
        const QSignalBlocker quiet(printColumnOptions);
        printColumnOptions->button(0)->setChecked(true);
    }
    printGridLinesBox->hide();
    showStatus("Print");
    printPreview->open();
}

void PlannerWindow::OpenMonthPrintPreview() {
    PrintLayout = kMonthPrint;
    showStatus("Print");
    printPreview->place(printGridLinesBox, 300, 360, 2295, 204);
    printGridLinesBox->show();
    // Grid lines are on at every opening.
    printGridLinesBox->setChecked(true);
    GridLinesOff = 0;
    for (int index = 0; index < 2; ++index) {
        printColumnOptions->button(index)->hide();
    }
    printPreview->open();
}

void PlannerWindow::OpenPlannerPrintPreview() {
    showStatus("Print");
    if (monthViewPanel->isVisible()) {
        OpenMonthPrintPreview();
    } else {
        OpenDayPrintPreview();
    }
    showStatus(windowTitle());
}

void PlannerWindow::SetDayPrintColumns(int index) {
    PrintLayout = index == 1 ? kDayTwoColumns : kDayOneColumn;
    printPreview->rebuild();
}

void PlannerWindow::SetPrintGridLines() {
    GridLinesOff = printGridLinesBox->isChecked() ? 0 : 1;
    QCoreApplication::processEvents();
    printPreview->rebuild();
}

int PlannerWindow::currentHelpContext() const {
    return printPreview != nullptr && printPreview->isOpen() ? PrintPreviewPanel::kHelpContext
                                                             : ActivityWindow::currentHelpContext();
}
