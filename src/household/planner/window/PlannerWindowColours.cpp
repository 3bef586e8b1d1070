// The planner's colours: one for its panels (record 20 of GColor2.Fil), one for the text of its
// boxes and month grid (record 21), and the month grid's background (record 33), applied at once
// and saved when the user agrees at exit.
#include "PlannerWindow.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "PrintPreviewPanel.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

namespace {

constexpr int kPanelRecord = 20;
constexpr int kTextRecord = 21;
constexpr int kGridRecord = 33;
// The desktop's colour of text areas: the boxes at rest and the month grid by default.
constexpr qint64 kWindowColour = ColorNumber::kSystemFlag + 5;

} // namespace

void PlannerWindow::buildColours() {
    colours_ =
        std::make_unique<PanelColours>(services_, "Save changes made to Panel and or Text Color?");
    PrintPreviewPanel& preview = *printPreview;
    QList<QWidget*> panels = {mainPanelFrame, pickerPanel,          monthViewPanel, datePanel,
                              clockPanel,     calendarOptionsPanel, printPreview};
    const std::array<QWidget*, 4> frames = {preview.optionFrames[0], preview.optionFrames[2],
                                            preview.optionFrames[1], preview.sampleFrame};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (i <= 1) {
            panels << preview.guideLineOptions->button(int(i))
                   << printColumnOptions->button(int(i));
        }
        if (i <= 2) {
            panels << preview.settingPanels.at(i);
        }
        panels << frames.at(i);
    }
    panels << preview.printRangeOption;
    panelColour_ = colours_->add(
        {.title = "Panel Color",
         .panels = panels,
         .file = SettingsFile::GColor2,
         .record = kPanelRecord,
         .defaultColour = PanelColours::kKeepOwnColours,
         // The panel's text would vanish.
         .mustDifferFrom = [this] { return std::optional(mainPanelFrame->foreColour()); },
         .applied =
             [this](const QColor& colour) {
                 // The sample takes the colour of the "Print Range" frame, and the
                 // preview's ground follows the panels.
                 printPreview->sampleText->setBackColour(
                     printPreview->optionFrames[0]->palette().color(QPalette::Window));
                 QPalette ground = printPreview->preview->palette();
                 ground.setColor(QPalette::Window, colour);
                 printPreview->preview->setPalette(ground);
             }});
    QList<QWidget*> boxes;
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        boxes << timeBoxes[row] << activityBoxes[row];
    }
    textColour_ = colours_->add(
        {.title = "Text Color",
         .panels = boxes,
         .file = SettingsFile::GColor2,
         .record = kTextRecord,
         .defaultColour = PanelColours::kKeepOwnColours,
         // Text in the boxes' resting colour would vanish.
         .mustDifferFrom = [] { return std::optional(ColorNumber::toColor(kWindowColour)); },
         .role = PanelColours::Role::Text,
         .applied = [this](const QColor& colour) { monthGrid->setForeColour(colour); }});

    GridBackgroundSelector::Grid grid;
    grid.showPicture = [this](const QString& picture) {
        if (picture.isEmpty() || !monthGrid->setPicture(picture)) {
            monthGrid->removePicture();
        }
    };
    grid.colour = [this] { return monthGrid->backColour(); };
    grid.setColour = [this](const QColor& colour) { monthGrid->setBackColour(colour); };
    gridBackgroundSelector = new GridBackgroundSelector(services_, grid, centralWidget());
    gridBackgroundSelector->setObjectName("SSPanel7");
    gridBackgroundSelector->setDefaultColour(ColorNumber::toColor(kWindowColour));
    gridBackgroundSelector->setDesign({5445,
                                       6600,
                                       1200,
                                       1255,
                                       {160, 1460, 2760, 4060},
                                       {418, 1839, 3199, 4557},
                                       1260,
                                       1317,
                                       5947,
                                       522,
                                       {160, 1410, 2845, 4115},
                                       {1215, 1410, 1215, 1175}});
    connect(gridBackgroundSelector, &GridBackgroundSelector::statusText, this,
            [this](const QString& text) { showStatus(text); });
    connect(gridBackgroundSelector, &GridBackgroundSelector::restoreStatus, this,
            [this] { showStatus(windowTitle()); });
    connect(gridBackgroundSelector, &GridBackgroundSelector::settingChanged, this,
            [this] { colours_->noteChanged(); });
    // "Use Above" lays the picture under the grid's rows afresh, every text kept.
    connect(gridBackgroundSelector->choiceButtons[2], &QPushButton::clicked, this, [this] {
        monthGrid->removePicture();
        monthGrid->setPicture(services_.folder.file(gridBackgroundSelector->setting() + ".jpg"));
        monthGrid->setRow(1);
        monthGrid->setCol(1);
    });
}

void PlannerWindow::LoadPlannerColours() {
    colours_->LoadPanelColour();
    // An empty record 20 leaves the panels as designed; the sample still matches its frame.
    printPreview->sampleText->setBackColour(
        printPreview->optionFrames[0]->palette().color(QPalette::Window));
    gridBackgroundSelector->loadSetting(
        settingsFile(services_.folder, SettingsFile::GColor2).readText(kGridRecord));
}

void PlannerWindow::ChooseColour() {
    showStatus("Panel Color");
    colours_->ChooseColour(panelColour_);
    showStatus(windowTitle());
}

void PlannerWindow::ChooseTextColour() {
    showStatus("Text Color");
    colours_->ChooseColour(textColour_);
    // The print colour follows the grid's text, also after a cancel or a refused colour.
    program_.PrintSettings.PrintFontColour =
        qint32(ColorNumber::fromColor(monthGrid->foreColour()));
    showStatus(windowTitle());
}

void PlannerWindow::ToggleGridBackgroundSelector() {
    // Centred on the main window, a little above its middle.
    if (gridBackgroundSelector->isHidden()) {
        const QSize size(int(Twips::fromPixels(gridBackgroundSelector->width())),
                         int(Twips::fromPixels(gridBackgroundSelector->height())));
        const QPoint place =
            Twips::toPixels(program_.MainWidth / 2 - size.width() / 2,
                            program_.MainHeight / 2 - size.height() / 2 - 115, 0, 0)
                .topLeft();
        gridBackgroundSelector->move(centralWidget()->mapFrom(this, place));
    }
    gridBackgroundSelector->toggle(nullptr);
}

bool PlannerWindow::coloursChanged() const {
    return colours_->coloursChanged();
}

void PlannerWindow::PromptSaveColours() {
    if (!colours_->PromptSaveColours()) {
        return;
    }
    // The grid's background only when a choice of this opening stands.
    if (const std::optional<QString> grid = gridBackgroundSelector->settingToSave()) {
        settingsFile(services_.folder, SettingsFile::GColor2).writeText(kGridRecord, *grid);
    }
}
