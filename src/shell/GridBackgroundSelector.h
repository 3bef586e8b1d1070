#pragma once

#include "Services.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

// The panel with which a window's grid gets its background: one of the 16 pictures WP1.jpg to
// WP16.jpg, a colour, or the window's default colour. The setting is "WP" and the picture's number,
// "Default", or a colour number in decimal digits; the window saves it with its other colours.
// Laid out as designed: 5445 by 6600 twips, four rows of four thumbnails over the four buttons.
class GridBackgroundSelector : public QFrame {
    Q_OBJECT
public:
    // What the selector changes on the window's grid.
    struct Grid {
        std::function<void(const QString& picture)> showPicture; // a file name, "" = none
        std::function<QColor()> colour;
        std::function<void(const QColor&)> setColour;
        // The colour of "Use &Default Background" and of a stored setting that cannot be shown;
        // none: the desktop's face colour.
        std::function<QColor()> defaultColour = {};
    };

    GridBackgroundSelector(Services& services, Grid grid, QWidget* parent);

    QString setting() const { return setting_; }
    void setSetting(const QString& setting) { setting_ = setting; }

    // The "Grid &Background Selector" menu item: opens the panel, or closes it when it is open.
    // centreOn: the widget the panel is centred across; none leaves it where the window put it.
    void toggle(QWidget* centreOn);

    // At the window's load: shows the stored setting on the grid. A picture ("WP" in any letters)
    // that cannot be read, an empty text or one that is no number give the default colour.
    void loadSetting(const QString& stored);
    // What the window's save writes: nothing while no choice of this opening of the window stands
    // (none made, or the last one cancelled); else "WP" and a number, "Default", or the grid's
    // colour number as it is when saved.
    std::optional<QString> settingToSave() const;

    std::array<QToolButton*, 16> Image3{}; // the thumbnails of WP1.jpg to WP16.jpg
    QFrame* selectionFrame;
    // "&Select Color Background", "Use &Default Background", "Use &Above Background", "&Cancel"
    std::array<QPushButton*, 4> Command16{};

signals:
    void statusText(const QString& text); // for panel 1 of the window's status bar
    void restoreStatus();                 // the window's caption back in panel 1
    void settingChanged();                // the window's colours-changed flag

protected:
    // Hiding the panel releases the thumbnails' pictures.
    void hideEvent(QHideEvent* event) override;

private:
    // What the last choice of this opening of the window was; a cancel takes it out of the save.
    enum class Choice { None, Colour, Default, Picture };

    void open(QWidget* centreOn);
    void markThumbnail(int index);
    void previewThumbnail(int index);
    // Takes back a preview: the setting's picture again, or none so that the grid's colour shows.
    void showSetting();
    void chooseColour();
    void useDefault();
    void useAbove();
    QColor defaultColour() const;

    Services& services_;
    Grid grid_;
    QLabel* caption_;
    QString setting_;
    QString pending_; // the picture previewed last, also in an earlier showing
    Choice choice_ = Choice::None;
};
