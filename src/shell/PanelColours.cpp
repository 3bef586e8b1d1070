#include "PanelColours.h"

#include "ColorNumber.h"
#include "Panel3D.h"

#include <QWidget>

QColor systemDefaultColour() {
    return ColorNumber::toColor(ColorNumber::kButtonFace);
}

std::optional<QColor> storedColour(const QString& record) {
    if (trimmedRight(record) == "Default") {
        return systemDefaultColour();
    }
    bool isNumber = false;
    const qint64 number = record.trimmed().toLongLong(&isNumber);
    if (!isNumber) {
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

namespace {

QColor textColourOf(const QWidget* widget) {
    if (const auto* panel3D = qobject_cast<const Panel3D*>(widget)) {
        return panel3D->foreColour();
    }
    return widget->palette().color(QPalette::Text);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    if (auto* panel3D = qobject_cast<Panel3D*>(widget)) {
        panel3D->setForeColour(colour);
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

void PanelColours::apply(Entry& entry, const QColor& colour) {
    entry.colour = colour;
    if (entry.panel.role == Role::Text) {
        for (QWidget* panel : entry.panel.panels) {
            setTextColour(panel, colour);
        }
        if (entry.panel.applied) {
            entry.panel.applied(colour);
        }
        return;
    }
    for (QWidget* panel : entry.panel.panels) {
        if (auto* panel3D = qobject_cast<Panel3D*>(panel)) {
            panel3D->setBackColour(colour); // a 3-D panel paints its own face
            continue;
        }
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Button, colour);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
        if (auto* panel3D = qobject_cast<Panel3D*>(panel)) {
            panel3D->setBackColour(colour);
        }
    }
    if (entry.panel.applied) {
        entry.panel.applied(colour);
    }
}

void PanelColours::ChooseColour(int index) {
    Entry& entry = entries_.at(std::size_t(index));
    // A text colour is chosen in the dialog alone.
    const Dialogs::Answer answer =
        entry.panel.role == Role::Text
            ? Dialogs::Answer::Yes
            : services_.dialogs.message(
                  {"Select New Color or Use System Default Color?\r\rYes = Color Selection Panel "
                   "will "
                   "appear.\rNo = Current System Default Color will be selected.",
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

    if (chosenDefault && entry.panel.defaultMustDifferFrom) {
        for (const QColor& other : entry.panel.defaultMustDifferFrom()) {
            if (other.rgb() == chosen.rgb()) {
                services_.hinfo.ColorConflictAlert();
                return;
            }
        }
    }
    if (entry.panel.mustDifferFrom) {
        const std::optional<QColor> other = entry.panel.mustDifferFrom();
        if (other.has_value() && other->rgb() == chosen.rgb()) {
            services_.hinfo.ColorConflictAlert();
            return;
        }
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
        const std::optional<QColor> stored = storedColour(record);
        if (!stored.has_value() && entry.panel.defaultColour == kKeepOwnColours) {
            QWidget* firstPanel = entry.panel.panels.value(0);
            auto* first = qobject_cast<Panel3D*>(firstPanel);
            if (entry.panel.role == Role::Text && firstPanel != nullptr) {
                entry.colour = textColourOf(firstPanel);
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
    if (answer == Dialogs::Answer::Yes) {
        SavePanelColour();
        return true;
    }
    return false;
}
