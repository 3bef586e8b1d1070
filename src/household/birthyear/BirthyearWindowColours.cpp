// The main panel's colour, the year texts' colour and the cost grid's background, kept in records
// 5, 6 and 60 of GColor2.Fil.
#include "BirthyearWindow.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "Panel3D.h"
#include "PanelColours.h"

#include <QLabel>

namespace {

constexpr int kPanelRecord = 5;
constexpr int kTextRecord = 6;
constexpr int kGridRecord = 60;
constexpr qint64 kLightGrey = 0xC0C0C0;

} // namespace

void BirthyearWindow::buildColours() {
    colours_ =
        std::make_unique<PanelColours>(services_, "Save changes made to Panel and or Text Color?");
    // The desktop's face colour is refused when it would hide a text on the panels.
    panelColour_ =
        colours_->add({.title = "Panel Color",
                       .panels = {birthyearPanel},
                       .file = SettingsFile::GColor2,
                       .record = kPanelRecord,
                       .defaultColour = kLightGrey,
                       .defaultMustDifferFrom = [this] {
                           return QList<QColor>{inputPanel->foreColour(),
                                                seriousText->palette().color(QPalette::WindowText),
                                                seriousPanel->foreColour()};
                       }});
    textColour_ = colours_->add(
        {.title = "Text Color",
         .panels = {seriousText, lighterText},
         .file = SettingsFile::GColor2,
         .record = kTextRecord,
         .defaultColour = 0,
         .mustDifferFrom = [this] { return std::optional(colours_->colour(panelColour_)); },
         .role = PanelColours::Role::Text});
    connect(backgroundSelector, &GridBackgroundSelector::settingChanged, this,
            [this] { colours_->noteChanged(); });
}

bool BirthyearWindow::coloursChanged() const {
    return colours_->coloursChanged();
}

void BirthyearWindow::LoadBdayColours() {
    colours_->LoadPanelColour();
    backgroundSelector->loadSetting(
        settingsFile(services_.folder, SettingsFile::GColor2).readText(kGridRecord));
}

void BirthyearWindow::ChooseColour() {
    showStatus("Panel Color");
    colours_->ChooseColour(panelColour_);
    showStatus(kCaption);
}

void BirthyearWindow::ChooseTextColour() {
    showStatus("Text Color");
    colours_->ChooseColour(textColour_);
    showStatus(kCaption);
}

void BirthyearWindow::ToggleBackgroundSelector() {
    backgroundSelector->toggle(birthyearPanel);
}

// Record 60 only for a grid background chosen and not cancelled.
void BirthyearWindow::saveGridBackground() {
    if (const std::optional<QString> grid = backgroundSelector->settingToSave(); grid.has_value()) {
        settingsFile(services_.folder, SettingsFile::GColor2).writeText(kGridRecord, *grid);
    }
}

// The question covers the grid background too; a Yes writes records 5, 6 and then 60.
void BirthyearWindow::PromptSaveColours() {
    if (colours_->PromptSaveColours()) {
        saveGridBackground();
    }
}
