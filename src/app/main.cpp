#include "ModalShower.h"
#include "QtDialogs.h"
#include "Services.h"
#include "Startfrm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The shipped files: beside an installed program, or the source tree's data folder in a build.
QString shippedDataFolder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/korvane");
    if (QFileInfo::exists(installed + "/Korvane.hlp")) {
        return installed;
    }
    if (QFileInfo::exists(KORVANE_INSTALLED_DATA_DIR "/Korvane.hlp")) {
        return KORVANE_INSTALLED_DATA_DIR;
    }
    return KORVANE_BUILD_DATA_DIR;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");

    ProgramFolder folder(ProgramFolder::defaultPath());
    folder.install(shippedDataFolder());

    QtDialogs dialogs;
    QtModalShower modal;
    SystemClock clock;
    LegacyRandom random;
    SettingsRegistry registry;
    Services services(Platform{dialogs, modal, clock, random, registry, folder});

    WindowCatalog catalog;
    Startfrm main(services, catalog);
    main.Form_Load();
    main.show();
    return QApplication::exec();
}
