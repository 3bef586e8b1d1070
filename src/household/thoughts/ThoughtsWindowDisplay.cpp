// The display's colours and font as saved in GColor2.Fil, and the copy of the thought shown.
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "DisplayFontRecords.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "SettingsFile.h"

#include <QLabel>

namespace {

constexpr qint64 kHumorousPanelColour = 0x80FFFF; // light yellow

} // namespace

QString ThoughtsWindow::saveQuestion() const {
    return humorous_ ? "Save changes made to Panel Colors?"
                     : "Save changes made to Panel and or Display Font or Color?";
}

void ThoughtsWindow::buildDisplayColours() {
    const auto textOf = [](QWidget* control) {
        return [control]() -> std::optional<QColor> {
            return control->palette().color(QPalette::WindowText);
        };
    };
    panelColours_ = std::make_unique<PanelColours>(services_, saveQuestion());
    if (!humorous_) {
        displayColour_ = panelColours_->add({"Panel Color",
                                             {displayArea},
                                             SettingsFile::GColor2,
                                             1,
                                             ColorNumber::fromColor(ColorNumber::palette(15)),
                                             textOf(thoughtLabel)});
        return;
    }
    displayColour_ = panelColours_->add({"Panel Color",
                                         {displayArea},
                                         SettingsFile::GColor2,
                                         7,
                                         kHumorousPanelColour,
                                         textOf(thoughtLabel)});
    punchLineColour_ = panelColours_->add(
        {"Panel Color",
         {punchLinePanel},
         SettingsFile::GColor2,
         8,
         kHumorousPanelColour,
         [this]() -> std::optional<QColor> { return punchLinePanel->foreColour(); }});
}

void ThoughtsWindow::ChooseDisplayColor(int target) {
    panelColours_->ChooseColour(target == 1 ? punchLineColour_ : displayColour_);
    if (panelColours_->coloursChanged()) {
        DisplaySettingsChanged = 1;
    }
}

void ThoughtsWindow::LoadThoughtDisplaySettings() {
    panelColours_->LoadPanelColour();
    if (humorous_) {
        return;
    }
    const DisplayFont saved = DisplayFontRecords::read(
        settingsFile(services_.folder, SettingsFile::GColor2), kOwnFontName, true, false);
    QPalette palette = thoughtLabel->palette();
    palette.setColor(QPalette::WindowText, saved.colour);
    thoughtLabel->setPalette(palette);
    QFont font = thoughtLabel->font();
    font.setFamily(saved.name);
    font.setBold(saved.bold);
    font.setItalic(saved.italic);
    font.setPointSizeF(saved.size);
    thoughtLabel->setFont(font);
    CenterThought();
}

void ThoughtsWindow::SaveThoughtDisplaySettings() {
    panelColours_->SavePanelColour();
    if (humorous_) {
        return;
    }
    const QFont font = thoughtLabel->font();
    RecordFile file = settingsFile(services_.folder, SettingsFile::GColor2);
    const bool written = DisplayFontRecords::write(
        file, {thoughtLabel->palette().color(QPalette::WindowText), font.family(),
               font.pointSizeF(), font.bold(), font.italic()});
    if (!written) {
        services_.dialogs.message({"The display settings could not be saved in GColor2.Fil: they "
                                   "hold until the window closes.",
                                   "Color Changes", Dialogs::Icon::Information,
                                   Dialogs::Buttons::Ok});
    }
}

void ThoughtsWindow::AskSaveDisplaySettings() {
    const Dialogs::Answer answer = services_.dialogs.message(
        {saveQuestion(), "Color Changes", Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    program_.SignalValue = double(answer);
    if (answer == Dialogs::Answer::Yes) {
        SaveThoughtDisplaySettings();
    }
}

void ThoughtsWindow::CopyThoughtToClipboard() {
    services_.clipboard.putText(thoughts.ThoughtText.at(std::size_t(thoughts.CurrentThought)));
    services_.dialogs.message({"Thought has been copied to the Windows Clipboard.", "Copy Option",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}
