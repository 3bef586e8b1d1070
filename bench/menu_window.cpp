// The second baseline: what any Qt Widgets program pays to show a main window of the kind Korvane
// shows, with a menu bar of five menus, a toolbar of 20 icon buttons and a status bar.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&Options", "&Activities", "&Tools", "&Utilities", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int item = 1; item <= 5; ++item) {
            menu->addAction(QString("Item %1").arg(item));
        }
    }
    QToolBar* toolbar = window.addToolBar("Toolbar");
    for (int button = 0; button < 20; ++button) {
        const auto icon =
            static_cast<QStyle::StandardPixmap>(QStyle::SP_TitleBarMenuButton + button);
        toolbar->addAction(window.style()->standardIcon(icon),
                           QString("Button %1").arg(button + 1));
    }
    window.statusBar()->showMessage("Ready");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
