#include "ProgramState.h"

#include <QApplication>
#include <QCursor>

void ProgramState::BusyPointer() {
    setPointer(kBusy);
}

void ProgramState::NormalPointer() {
    setPointer(0);
}

void ProgramState::NoDropPointer() {
    setPointer(kNoDrop);
}

void ProgramState::setPointer(int code) {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    if (code != 0) {
        QApplication::setOverrideCursor(code == kBusy ? Qt::WaitCursor : Qt::ForbiddenCursor);
    }
}

void ProgramState::PauseOneSecond() {
    pauseSeconds(1);
}

void ProgramState::PauseTwoSeconds() {
    pauseSeconds(2);
}

void ProgramState::pauseSeconds(int seconds) {
    // The wait ends at a tick of the seconds field; a clock read late (a busy or suspended
    // machine) ends it at once instead of a minute later.
    QDateTime target = platform_.clock.now();
    target.setTime(QTime(target.time().hour(), target.time().minute(), target.time().second()));
    platform_.clock.waitUntil(target.addSecs(seconds));
}

void ProgramState::ColorConflictAlert() {
    platform_.dialogs.message(
        {"Selected Color would cause a conflict with Text and Background Colors!", "Color Conflict",
         Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void ProgramState::ActivityLoadErrorMessage() {
    NormalPointer();
    platform_.dialogs.message(
        {"The files used by this activity cannot be loaded.  Either the files are missing or "
         "corrupted.  Please re-install the program, if error continues, you may have a bad "
         "install disk(s), please write us and tell us what has occurred and we will send you a "
         "new disk(s).",
         "Loading Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void ProgramState::AllDisplayedMessage(const QString& itemKind, const QString& title) {
    NormalPointer();
    platform_.dialogs.message({"All " + itemKind + " have been displayed!\r" +
                                   "Program will begin randomly selecting \r" + "from all " +
                                   itemKind + " again.",
                               title, Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}
