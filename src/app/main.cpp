#include "MainWindow.h"
#include "ProductionPlatform.h"
#include "RegisterWindows.h"
#include "Services.h"
#include "SingleInstance.h"

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

// A later start asked: the window on top of this program (a modal window over the main window,
// or the main window) comes to the front, where the desktop allows it.
void bringToFront(QWidget& main) {
    main.setWindowState(main.windowState() & ~Qt::WindowMinimized);
    QWidget* top = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &main;
    top->raise();
    top->activateWindow();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");
    const QString folder = ProgramFolder::defaultPath();
    // A second start on the same folder ends here, before it copies a file or builds a window.
    SingleInstance instance(folder);
    const SingleInstance::Start start =
        folder.isEmpty() ? SingleInstance::Start::Alone : instance.start();
    if (start == SingleInstance::Start::OtherShown) {
        qInfo().noquote() << "Korvane is already running with the folder" << folder
                          << "and was brought to the front.";
        return 0;
    }
    if (start == SingleInstance::Start::OtherRunning || start == SingleInstance::Start::Refused) {
        const bool refused = start == SingleInstance::Start::Refused;
        const QString message =
            refused ? instance.refusal() : SingleInstance::runningMessage(folder);
        qCritical().noquote() << message;
        QtDialogs().message({message, "Korvane",
                             refused ? Dialogs::Icon::Critical : Dialogs::Icon::Exclamation,
                             Dialogs::Buttons::Ok});
        return refused ? 1 : 0;
    }
    // The pictures stored with the windows live in the shell library's resources.
    Q_INIT_RESOURCE(shell);
    // Reading the desktop's font configuration is the longest step of showing the first window;
    // it runs beside the loading below.
    std::thread fontDatabase([] { QFontDatabase::families(); });

    ProductionPlatform production(folder);
    if (folder.isEmpty() || !production.folder().install(shippedDataFolder())) {
        // Without its folder the program has no help, sounds or settings: it says so and ends.
        const QString problem = ProgramFolder::unusableMessage(folder);
        qCritical().noquote() << problem;
        production.platform().dialogs.message(
            {problem, "Korvane", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        fontDatabase.join();
        return 1;
    }
    if (!instance.saveProblem().isEmpty()) {
        // Told once here, before anything is typed that could not be kept.
        qCritical().noquote() << instance.saveProblem();
        production.platform().dialogs.message(
            {instance.saveProblem(), "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
    }
    Services services(production.platform());

    registerWindows(services.windows);
    MainWindow main(services);
    QObject::connect(&main, &MainWindow::exitConfirmed, &app, [] { QCoreApplication::exit(0); });
    instance.whenAsked([&main] { bringToFront(main); });
    main.Form_Load();
    fontDatabase.join();
    main.show();
    return QApplication::exec();
}
