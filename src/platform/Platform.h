#pragma once

#include "Clipboard.h"
#include "Clock.h"
#include "Dialogs.h"
#include "HelpViewer.h"
#include "Medium.h"
#include "ModalShower.h"
#include "Printer.h"
#include "ProgramFolder.h"
#include "Random.h"
#include "Registry.h"
#include "Sound.h"
#include "WebLauncher.h"

// Everything that leaves the process or waits for a person. The program runs on the production
// implementations; tests hand in scripted fakes.
struct Platform {
    Dialogs& dialogs;
    ModalShower& modal;
    Clock& clock;
    Random& random;
    Registry& registry;
    ProgramFolder& folder;
    Sound& sound;
    HelpViewer& help;
    WebLauncher& web;
    Clipboard& clipboard;
    Printer& printer;
    Medium& medium; // backup drives and folders
};
