#include "HelpViewer.h"

#include "Dialogs.h"
#include "HelpWindow.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QWindow>

namespace {

// An application-modal window blocks every window that is not its own. The help window is made the
// modal window's own for as long as it is shown over it, so the person can read and scroll the help
// while the window that asked for it stays open.
void present(HelpWindow& help) {
    QWidget* modal = QApplication::activeModalWidget();
    help.winId();
    help.windowHandle()->setTransientParent(
        modal != nullptr && modal != &help ? modal->windowHandle() : nullptr);
    help.show();
    help.raise();
    help.activateWindow();
}

} // namespace

WindowHelpViewer::WindowHelpViewer(const ProgramFolder& folder, Dialogs& dialogs)
    : folder_(folder), dialogs_(dialogs) {}

WindowHelpViewer::~WindowHelpViewer() = default;

void WindowHelpViewer::showTopic(int context) {
    showNamedTopic(QString::number(context));
}

void WindowHelpViewer::showContents() {
    showNamedTopic(HelpWindow::kContents);
}

void WindowHelpViewer::showNamedTopic(const QString& name) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(folder_.file(HelpWindow::kHelpFileName));
    }
    if (!window_->showAnchor(name)) {
        dialogs_.message({kUnreadable, "Help", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        return;
    }
    present(*window_);
}
