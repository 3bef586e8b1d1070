#pragma once

#include "FakePlatform.h"
#include "PlannerWindow.h"
#include "ThoughtsWindow.h"
#include "ToDoFiles.h"
#include "ToDoWindow.h"
#include "YearFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

// Lets what the last step queued be handled, as it is before a person's next key.
inline void settle() {
    QCoreApplication::processEvents();
}

// Each print preview panel of the program as a person opens it: the window from the main window's
// toolbar button, what it shows made ready (a thought, the month), then its print command, over
// files that give the preview something to show.
struct PrintPanelOpening {
    const char* name;
    int toolbarButton;
    std::function<void(QWidget& window)> print;
    std::function<void(QWidget& window)> ready = nullptr;
    std::function<void(FakePlatform&)> files = nullptr;

    // Both steps in the window.
    void open(QWidget& window) const {
        if (ready) {
            ready(window);
            settle();
        }
        print(window);
    }
};

// Tests name an opening by its name.
inline void PrintTo(const PrintPanelOpening& opening, std::ostream* out) {
    *out << opening.name;
}

namespace PrintPanelFiles {

inline void plannerDay(FakePlatform& fake) {
    YearFile::DayRecord day;
    day.times[0] = "9:00 AM";
    day.activities[0] = "Dentist";
    day.status = YearFile::kFull;
    const QDate today = fake.clock.today();
    ASSERT_TRUE(YearFile::write(fake.folder, today.year(), YearFile::recordNumber(today), day));
}

inline void toDoItem(FakePlatform& fake) {
    QFile grid(fake.file(ToDoFiles::kGridFile));
    ASSERT_TRUE(grid.open(QIODevice::WriteOnly));
    grid.write(ToDoFiles::writeGrid({{"Buy milk", "", ""}}));
}

template <class Window> std::function<void(QWidget&)> trigger(QAction* Window::*action) {
    return [action](QWidget& window) { (static_cast<Window&>(window).*action)->trigger(); };
}

} // namespace PrintPanelFiles

inline const std::vector<PrintPanelOpening>& printPanelOpenings() {
    using namespace PrintPanelFiles;
    static const std::vector<PrintPanelOpening> openings = {
        {"ThoughtsPrint", 10, trigger(&ThoughtsWindow::printAction),
         // A thought shows once Start is pressed; then it can be printed.
         [](QWidget& window) { static_cast<ThoughtsWindow&>(window).startButton->click(); }},
        {"PlannerDayPrint", 12, trigger(&PlannerWindow::printAction), nullptr, plannerDay},
        {"PlannerMonthPrint", 12, trigger(&PlannerWindow::printAction),
         [](QWidget& window) { static_cast<PlannerWindow&>(window).ViewEntireMonth(); }},
        {"ToDoPrint", 13, trigger(&ToDoWindow::printAction), nullptr, toDoItem},
        {"ToDoWorksheetPrint", 13, trigger(&ToDoWindow::printWorksheetAction)},
    };
    return openings;
}
