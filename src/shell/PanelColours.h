#pragma once

#include "Services.h"
#include "SettingsFile.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// The colours of a window's coloured panels: each chosen by the user (a colour, or the system
// default colour), loaded from its settings record at the window's load, and saved on exit when
// the user agrees. A stored colour is "Default" or the colour number in decimal digits.
class PanelColours {
public:
    // Back: the colour of the panels' faces, chosen after the question "Select New Color or Use
    // System Default Color?". Text: the colour of their text, chosen in the colour dialog alone
    // and always stored as a number.
    enum class Role { Back, Text };

    struct Panel {
        QString title;          // the question's title, e.g. "Panel Color"
        QList<QWidget*> panels; // the panels that share this colour
        SettingsFile file;
        int record;
        qint64 defaultColour; // for a record that is empty or not a number
        // A colour the panel's colour must differ from (its text, or a shape drawn on it).
        std::function<std::optional<QColor>()> mustDifferFrom = {};
        Role role = Role::Back;
        // Runs after each colour given to the panels: the controls that follow it otherwise.
        std::function<void(const QColor&)> applied = {};
        // Colours that the system default colour must differ from when the user answers No; a
        // colour from the dialog is tested against mustDifferFrom only.
        std::function<QList<QColor>()> defaultMustDifferFrom = {};
    };

    // As a Panel's defaultColour: a record that is empty or not a number leaves every panel the
    // colour it was made with, and the colour dialog starts from the first panel's.
    static constexpr qint64 kKeepOwnColours = -1;

    // exitQuestion: asked on exit when a colour changed, e.g. "Save changes made to Panel Colors?".
    PanelColours(Services& services, QString exitQuestion);

    // Returns the panel's index.
    int add(Panel panel);

    void ChooseColour(int index);
    void LoadPanelColour();
    void SavePanelColour();
    // Asks whether to save when a colour changed; Yes saves, No keeps the records as they were.
    // True after a Yes, so that a window saves what it keeps beside these colours too.
    bool PromptSaveColours();

    bool coloursChanged() const { return changed_; }
    // A choice the window keeps itself (a grid background) is covered by the same exit question.
    void noteChanged() { changed_ = true; }
    QColor colour(int index) const { return entries_.at(std::size_t(index)).colour; }

private:
    struct Entry {
        Panel panel;
        QColor colour;
        bool isDefault = false;
    };

    void apply(Entry& entry, const QColor& colour);

    Services& services_;
    QString exitQuestion_;
    std::vector<Entry> entries_;
    bool changed_ = false;
};

// The desktop's colour of 3-D faces, which the program calls the system default colour.
QColor systemDefaultColour();

// A stored colour record: "Default" (trailing blanks cut) gives the system default colour, a
// decimal colour number its colour, anything else nothing.
std::optional<QColor> storedColour(const QString& record);

// A stored colour number in decimal digits (blanks around it cut), 0 to 16777215; anything else,
// a number too long for a colour included, gives nothing.
std::optional<QColor> storedColourNumber(const QString& record);
