#include "ProductionPlatform.h"
#include "RegisterWindows.h"
#include "Services.h"
#include "Startfrm.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

#include <thread>

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
    // The pictures stored with the windows live in the shell library's resources.
    Q_INIT_RESOURCE(shell);
    // Reading the desktop's font configuration is the longest step of showing the first window;
    // it runs beside the loading below.
    std::thread fontDatabase([] { QFontDatabase::families(); });

    ProductionPlatform production(ProgramFolder::defaultPath());
    if (production.folder().path().isEmpty() || !production.folder().install(shippedDataFolder())) {
        // Without its folder the program has no help, sounds or settings: it says so and ends.
        const QString problem = ProgramFolder::unusableMessage(production.folder().path());
        qCritical().noquote() << problem;
        production.platform().dialogs.message(
            {problem, "Korvane", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        fontDatabase.join();
        return 1;
    }
    Services services(production.platform());

    registerWindows(services.windows);
    Startfrm main(services);
    QObject::connect(&main, &Startfrm::exitConfirmed, &app, [] { QCoreApplication::exit(0); });
    main.Form_Load();
    fontDatabase.join();
    main.show();
    return QApplication::exec();
}
