// The panel colour, the grid's text colour and the grid's background, kept in GColor1.Fil
// records 32 (panel), 33 (grid background) and 34 (grid text).
#include "ToDoWindow.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "RecordCodec.h"
#include "SettingsFile.h"
#include "TextContrast.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kPanelRecord = 32;
constexpr int kGridBackgroundRecord = 33;
constexpr int kGridTextRecord = 34;

bool isPictureStem(const QString& setting) {
    return setting.left(2).toUpper() == "WP";
}

QString numberOf(const QColor& colour) {
    return QString::number(ColorNumber::fromColor(colour));
}

} // namespace

void ToDoWindow::buildColours() {
    // The panel's colour; a record that is no colour gives dark cyan. The captions on it are
    // black where black reads on it, else white (on dark cyan).
    panelColours_.add({.title = "Panel Color",
                       .panels = {mainPanelFrame},
                       .file = SettingsFile::GColor1,
                       .record = kPanelRecord,
                       .defaultColour = 0x808000,
                       .applied = [this](const QColor& colour) {
                           for (QLabel* caption : {dateLabel, entryCaption}) {
                               TextContrast::showReadable(*caption, Qt::black, colour);
                           }
                       }});
}

void ToDoWindow::LoadToDoColours() {
    panelColours_.LoadPanelColour();
    const RecordFile file = settingsFile(services_.folder, SettingsFile::GColor1);
    const QString background = trimmedRight(file.readText(kGridBackgroundRecord));
    toDoGrid->removePicture();
    if (isPictureStem(background)) {
        // A missing picture leaves the grid plain; the setting is kept all the same.
        toDoGrid->setPicture(services_.folder.file(background + ".jpg"));
        GridBackground = background;
    } else if (const std::optional<QColor> colour = storedColourNumber(background);
               colour.has_value() && background != "Default") {
        toDoGrid->setBackColour(*colour);
        GridBackground = background;
    } else {
        toDoGrid->setBackColour(entryColour());
        GridBackground = numberOf(entryColour());
    }
    backgroundSelector->setSetting(GridBackground);
    setGridTextColour(storedColourNumber(trimmedRight(file.readText(kGridTextRecord)))
                          .value_or(QColor(Qt::black)));
}

void ToDoWindow::SaveToDoColours() {
    panelColours_.SavePanelColour();
    RecordFile file = settingsFile(services_.folder, SettingsFile::GColor1);
    bool written = true;
    if (GridBackgroundKind != 0) {
        if (GridBackgroundKind == 1) {
            GridBackground = numberOf(toDoGrid->backColour());
        } else if (GridBackgroundKind == 2) {
            GridBackground = "Default";
        }
        written = file.writeText(kGridBackgroundRecord, GridBackground) ==
                  RecordFile::WriteResult::Written;
    }
    written = file.writeText(kGridTextRecord, numberOf(gridTextColour())) ==
                  RecordFile::WriteResult::Written &&
              written;
    if (!written) {
        services_.dialogs.message({"The grid colors could not be saved: the colors chosen show "
                                   "only until this window closes.",
                                   "Color Changes", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
    }
}

void ToDoWindow::PromptSaveColours() {
    const Dialogs::Answer answer =
        services_.dialogs.message({"Save changes made to Panel and or Text Color?", "Color Changes",
                                   Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    program_.SignalValue = int(answer);
    if (answer == Dialogs::Answer::Yes) {
        SaveToDoColours();
    }
}

void ToDoWindow::ChoosePanelColour() {
    HideDatePicker();
    showStatus("Panel Color");
    // Whatever the answer, a grid background chosen earlier is no longer written.
    GridBackgroundKind = 0;
    panelColours_.ChooseColour(0);
    if (panelColours_.coloursChanged()) {
        ColoursChanged = 1;
    }
    showStatus(windowTitle());
}

void ToDoWindow::ChooseGridTextColour() {
    HideDatePicker();
    showStatus("Grid Text Color");
    if (const std::optional<QColor> chosen = services_.dialogs.chooseColor(gridTextColour())) {
        if (chosen->rgb() == toDoGrid->backColour().rgb()) {
            program_.ColorConflictAlert();
        } else {
            setGridTextColour(*chosen);
            ColoursChanged = 1;
        }
    }
    program_.PrintSettings.PrintFontColour = qint32(ColorNumber::fromColor(gridTextColour()));
    showStatus(windowTitle());
}

void ToDoWindow::ToggleGridBackgroundSelector() {
    HideDatePicker();
    backgroundSelector->toggle(mainPanelFrame);
}

void ToDoWindow::selectorClicked(int index) {
    const bool applied = selectorChanged_;
    selectorChanged_ = false;
    switch (index) {
    case 0: // a colour, unless the colour dialog was cancelled
        GridBackgroundKind = applied ? 1 : 0;
        if (applied) {
            GridBackground = backgroundSelector->setting();
            ColoursChanged = 1;
        } else if (isPictureStem(GridBackground)) {
            toDoGrid->setPicture(services_.folder.file(GridBackground + ".jpg"));
        }
        break;
    case 1: // this window's default is a text box's colour
        toDoGrid->setBackColour(entryColour());
        GridBackground = "Default";
        GridBackgroundKind = 2;
        ColoursChanged = 1;
        break;
    case 2:
        GridBackground = backgroundSelector->setting();
        GridBackgroundKind = 3;
        ColoursChanged = 1;
        // Only the picture changes: every text of the grid stays where it is.
        toDoGrid->removePicture();
        toDoGrid->setPicture(services_.folder.file(GridBackground + ".jpg"));
        toDoGrid->setRow(1);
        toDoGrid->setCol(1);
        break;
    default:
        program_.SignalValue = 0;
        GridBackgroundKind = 0;
        if (isPictureStem(GridBackground)) {
            toDoGrid->setPicture(services_.folder.file(GridBackground + ".jpg"));
        }
        break;
    }
    if (index != 1 && GridBackground == "Default" && !toDoGrid->hasPicture()) {
        // A cancel puts back this window's default, a text box's colour.
        toDoGrid->setBackColour(entryColour());
    }
    showStatus(windowTitle());
}

QColor ToDoWindow::gridTextColour() const {
    return toDoGrid->foreColour();
}

void ToDoWindow::setGridTextColour(const QColor& colour) {
    toDoGrid->setForeColour(colour);
}
