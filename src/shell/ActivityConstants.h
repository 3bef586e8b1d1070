#pragma once

#include <QList>
#include <QString>

#include <utility>

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

    // A game: the status bar asks for Start, the toolbar layout comes back at every resize, and
    // only the activity buttons choose the next activity. Games offer the Sound Information
    // window; most leave the Family Names Entry (16) disabled.
    static ActivityConstants game(int ownButton, int helpContext,
                                  QList<int> disabledButtons = {16}) {
        ActivityConstants constants;
        constants.ownButton = ownButton;
        constants.disabledButtons = std::move(disabledButtons);
        constants.helpContext = helpContext;
        constants.restoreLayoutOnResize = true;
        constants.onlyActivityButtonsSetNext = true;
        return constants;
    }

    // A household window: it has no Start, brings the toolbar layout back at each activation,
    // and offers neither the Family Names Entry nor the Sound Information window.
    static ActivityConstants household(int ownButton, int helpContext) {
        ActivityConstants constants;
        constants.ownButton = ownButton;
        constants.disabledButtons = {16, 17};
        constants.helpContext = helpContext;
        constants.hasStartCommand = false;
        constants.restoreLayoutOnActivate = true;
        return constants;
    }
};
