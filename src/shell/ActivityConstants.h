#pragma once

#include <QList>
#include <QString>

// What an activity window tells the shared form services about itself.
struct ActivityConstants {
    int ownButton = 0;           // its own toolbar button, disabled while it is open
    QList<int> disabledButtons;  // other toolbar buttons it disables (16 and 17 where it offers
                                 // neither the Family Names Entry nor the Sound Information window)
    int helpContext = 0;         // its topic in the help file
    bool hasStartCommand = true; // the status bar then asks the user to click Start
    // The registry key under which the shared toolbar layout is kept.
    QString layoutKey = "korvane45";
    bool restoreLayoutOnActivate = false;
    bool restoreLayoutOnResize = false;
    // Twips added to the centred main panel's top at activation and after a toolbar restore.
    int activationOffset = 130;
    int restoreOffset = -30;
    // Whether only buttons 1 to 15 ask the main window for an activity: the buttons the window
    // serves itself (16 to 20) then leave NextActivity at 0, so that leaving the window later
    // opens nothing. Otherwise every button's number is stored.
    bool onlyActivityButtonsSetNext = false;
    // Twips added to the centred main panel's left.
    int leftOffset = -30;
    // Whether the window follows the toolbar states only by hiding its top toolbar (state 99),
    // leaving the status panels and its side toolbars as designed.
    bool hidesTopToolbarOnly = false;
};
