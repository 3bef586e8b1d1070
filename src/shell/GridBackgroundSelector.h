#pragma once

#include "Services.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QPushButton;
class QToolButton;

// The panel with which a window's grid gets its background: one of the 16 pictures WP1.jpg to
// WP16.jpg, a colour, or the system default colour. The setting is "WP" and the picture's number,
// "Default", or a colour number in decimal digits; the window saves it with its other colours.
class GridBackgroundSelector : public QFrame {
    Q_OBJECT
public:
    // What the selector changes on the window's grid.
    struct Grid {
        std::function<void(const QString& picture)> showPicture; // a file name, "" = none
        std::function<QColor()> colour;
        std::function<void(const QColor&)> setColour;
    };

    // Where a window's design puts the panel's parts, in twips.
    struct Design {
        int width;
        int height;
        int thumbnailWidth;
        int thumbnailHeight;
        std::array<int, 4> thumbnailLefts; // of the four columns of thumbnails
        std::array<int, 4> thumbnailTops;  // of the four rows
        int frameWidth;                    // the highlight around a thumbnail
        int frameHeight;
        int buttonsTop;
        int buttonsHeight;
        std::array<int, 4> buttonLefts;
        std::array<int, 4> buttonWidths;
    };

    // What the user's last choice asks the window to store: nothing, the grid's colour number,
    // "Default", or the picture's name. A cancel takes an earlier choice out of the save.
    enum class State { Unchanged = 0, Colour = 1, Default = 2, Picture = 3 };

    GridBackgroundSelector(Services& services, Grid grid, QWidget* parent);

    // Places the thumbnails and buttons where the design has them, four rows of four.
    void setDesign(const Design& design);
    // The colour of "Use &Default Background"; the 3-D face colour unless the window sets one.
    void setDefaultColour(const QColor& colour) { defaultColour_ = colour; }

    QString setting() const { return setting_; }
    void setSetting(const QString& setting) { setting_ = setting; }
    // Applies a stored setting to the grid: "WP" in any letter case followed by a number shows that
    // picture (one that cannot be read leaves the grid's colour, the setting is kept all the same);
    // "Default" or anything that is not a colour number gives the default colour.
    void loadSetting(const QString& stored);
    State state() const { return state_; }
    // The text to store for the choices since the window opened; nothing when there is none.
    std::optional<QString> settingToSave() const;

    // The "Grid &Background Selector" menu item: opens the panel, or closes it when it is open.
    void toggle(QWidget* centreOn);
    // Hides the panel and lets go of the thumbnails' pictures.
    void HideBackgroundSelector();
    // What "&Cancel" does: takes back a preview and drops the choices from the save.
    void cancel();

    std::array<QToolButton*, 16> thumbnails{}; // the thumbnails of WP1.jpg to WP16.jpg
    QFrame* selectionFrame;
    // "&Select Color Background", "Use &Default Background", "Use &Above Background", "&Cancel"
    std::array<QPushButton*, 4> choiceButtons{};

signals:
    void statusText(const QString& text); // for panel 1 of the window's status bar
    void restoreStatus();                 // the window's caption back in panel 1
    void settingChanged();                // the window's colours-changed flag

private:
    void open(QWidget* centreOn);
    void markThumbnail(int index);
    void previewThumbnail(int index);
    // Shows the grid as the setting has it, taking back a preview.
    void showSetting();
    void chooseColour();
    void useDefault();
    void useAbove();
    void choose(int button);

    Services& services_;
    Grid grid_;
    QString setting_;
    QString pending_;
    QColor defaultColour_;
    State state_ = State::Unchanged;
    std::optional<Design> design_;
};
