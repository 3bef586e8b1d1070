#include "PanelColours.h"

#include "ColorNumber.h"
#include "Panel3D.h"

#include <QWidget>

namespace {

bool sameColour(const QColor& a, const QColor& b) {
    return a.rgb() == b.rgb();
}

} // namespace

QColor systemDefaultColour() {
    return ColorNumber::toColor(ColorNumber::kButtonFace);
}

std::optional<QColor> storedColour(const QString& record) {
    if (trimmedRight(record) == "Default") {
        return systemDefaultColour();
    }
    return storedColourNumber(record);
}

std::optional<QColor> storedColourNumber(const QString& record) {
    bool isNumber = false;
    const qint64 number = record.trimmed().toLongLong(&isNumber);
    // A colour holds 24 bits: a longer number is no colour, not one cut to fit.
    if (!isNumber || number < 0 || number > ColorNumber::kLargest) {
        return std::nullopt;
    }
    return ColorNumber::toColor(number);
}

PanelColours::PanelColours(Services& services, QString exitQuestion)
    : services_(services), exitQuestion_(std::move(exitQuestion)) {}

int PanelColours::add(Panel panel) {
    entries_.push_back({std::move(panel), {}, false});
    return int(entries_.size()) - 1;
}

void PanelColours::apply(Entry& entry, const QColor& colour) {
    entry.colour = colour;
    for (QWidget* panel : entry.panel.panels) {
        auto* panel3D = qobject_cast<Panel3D*>(panel);
        QPalette palette = panel->palette();
        if (entry.panel.role == Role::Text) {
            if (panel3D != nullptr) {
                panel3D->setForeColour(colour);
                continue;
            }
            palette.setColor(QPalette::WindowText, colour);
            palette.setColor(QPalette::Text, colour);
            panel->setPalette(palette);
            continue;
        }
        if (panel3D != nullptr) {
            panel3D->setBackColour(colour); // a 3-D panel paints its own face
            continue;
        }
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Button, colour);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
    }
    if (entry.panel.applied) {
        entry.panel.applied(colour);
    }
}

void PanelColours::ChooseColour(int index) {
    Entry& entry = entries_.at(std::size_t(index));
    const Dialogs::Answer answer =
        entry.panel.role == Role::Text
            ? Dialogs::Answer::Yes
            : services_.dialogs.message(
                  {"Select New Color or Use System Default Color?\r\rYes = Color Selection Panel "
                   "will appear.\rNo = Current System Default Color will be selected.",
                   entry.panel.title, Dialogs::Icon::Information, Dialogs::Buttons::YesNoCancel});
    QColor chosen;
    bool chosenDefault = false;
    if (answer == Dialogs::Answer::Yes) {
        const std::optional<QColor> picked = services_.dialogs.chooseColor(entry.colour);
        if (!picked.has_value()) {
            return;
        }
        chosen = *picked;
    } else if (answer == Dialogs::Answer::No) {
        chosen = systemDefaultColour();
        chosenDefault = true;
    } else {
        return;
    }

    bool conflict = false;
    if (entry.panel.mustDifferFrom) {
        const std::optional<QColor> other = entry.panel.mustDifferFrom();
        conflict = other.has_value() && sameColour(*other, chosen);
    }
    if (chosenDefault && entry.panel.defaultMustDifferFrom) {
        for (const QColor& other : entry.panel.defaultMustDifferFrom()) {
            conflict = conflict || sameColour(other, chosen);
        }
    }
    if (conflict) {
        services_.program.ColorConflictAlert();
        return;
    }
    // The default flag follows the colour actually applied, so a refused choice never saves
    // "Default" over a panel that kept its old colour.
    entry.isDefault = chosenDefault;
    apply(entry, chosen);
    changed_ = true;
}

void PanelColours::LoadPanelColour() {
    for (Entry& entry : entries_) {
        const QString record =
            settingsFile(services_.folder, entry.panel.file).readText(entry.panel.record);
        const std::optional<QColor> stored =
            entry.panel.role == Role::Text ? storedColourNumber(record) : storedColour(record);
        if (!stored.has_value() && entry.panel.defaultColour == kKeepOwnColours) {
            QWidget* firstPanel = entry.panel.panels.value(0);
            auto* first = qobject_cast<Panel3D*>(firstPanel);
            if (entry.panel.role == Role::Text && firstPanel != nullptr) {
                entry.colour = first != nullptr ? first->foreColour()
                                                : firstPanel->palette().color(QPalette::Text);
            } else {
                entry.colour = first != nullptr ? first->backColour() : systemDefaultColour();
            }
            continue;
        }
        apply(entry, stored.value_or(ColorNumber::toColor(entry.panel.defaultColour)));
    }
}

void PanelColours::SavePanelColour() {
    bool failed = false;
    for (Entry& entry : entries_) {
        const QString value = entry.isDefault
                                  ? QString("Default")
                                  : QString::number(ColorNumber::fromColor(entry.colour));
        if (settingsFile(services_.folder, entry.panel.file).writeText(entry.panel.record, value) !=
            RecordFile::WriteResult::Written) {
            failed = true;
            continue;
        }
        entry.isDefault = false;
    }
    changed_ = failed;
    if (failed) {
        // The records keep the colours they had; the window shows the new ones until it closes.
        services_.dialogs.message({"The panel colors could not be saved: the colors chosen show "
                                   "only until this window closes.",
                                   "Color Changes", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
    }
}

bool PanelColours::PromptSaveColours() {
    if (!changed_) {
        return false;
    }
    const Dialogs::Answer answer = services_.dialogs.message(
        {exitQuestion_, "Color Changes", Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    if (answer != Dialogs::Answer::Yes) {
        return false;
    }
    SavePanelColour();
    return true;
}
