#pragma once

#include "Clipboard.h"
#include "Clock.h"
#include "HelpViewer.h"
#include "MediumFileSystem.h"
#include "ModalShower.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "PulseSound.h"
#include "QtDialogs.h"
#include "QtPrinter.h"
#include "Random.h"
#include "Registry.h"
#include "WebLauncher.h"

// The seams as the program runs them: Qt's dialogs, the system clock, the desktop's sound, help,
// browser and settings, over one program folder.
class ProductionPlatform {
public:
    explicit ProductionPlatform(const QString& folderPath)
        : folder_(folderPath), sound_(folder_), help_(folder_, dialogs_) {}
    ProductionPlatform(const ProductionPlatform&) = delete;
    ProductionPlatform& operator=(const ProductionPlatform&) = delete;

    Platform& platform() { return platform_; }
    const ProgramFolder& folder() const { return folder_; }

private:
    ProgramFolder folder_;
    QtDialogs dialogs_;
    QtModalShower modal_;
    SystemClock clock_;
    LegacyRandom random_;
    SettingsRegistry registry_;
    PulseSound sound_;
    WindowHelpViewer help_;
    DesktopWebLauncher web_;
    SystemClipboard clipboard_;
    QtPrinter printer_;
    FileSystemMedium medium_;
    Platform platform_{dialogs_, modal_, clock_, random_,    registry_, folder_,
                       sound_,   help_,  web_,   clipboard_, printer_,  medium_};
};
