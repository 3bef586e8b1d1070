#pragma once

#include "Services.h"

#include <QFrame>

#include <array>
#include <functional>

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

    GridBackgroundSelector(Services& services, Grid grid, QWidget* parent);

    QString setting() const { return setting_; }
    void setSetting(const QString& setting) { setting_ = setting; }

    // The "Grid &Background Selector" menu item: opens the panel, or closes it when it is open.
    void toggle(QWidget* centreOn);

    std::array<QToolButton*, 16> Image3{}; // the thumbnails of WP1.jpg to WP16.jpg
    QFrame* selectionFrame;
    // "&Select Color Background", "Use &Default Background", "Use &Above Background", "&Cancel"
    std::array<QPushButton*, 4> Command16{};

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

    Services& services_;
    Grid grid_;
    QString setting_;
    QString pending_;
};
