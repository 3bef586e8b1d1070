// Opens the planner from the main window's toolbar seven times over a full year file (every day
// saved, 387,900 bytes) under the real platform, and prints, for each opening and as the median,
// the milliseconds from the click until the window is first painted, for a day change by the
// arrow key until the rows are filled, and for a save.
// Budgets: painted within 100 ms of the click; a day change within 20 ms; a save under 50 ms.
#include "BenchSupport.h"
#include "MonthView.h"
#include "PlannerWindow.h"
#include "Services.h"
#include "YearFile.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

// Times a day change by the arrow key and a save.
std::vector<double> measure(PlannerWindow& planner) {
    auto* days = planner.datePicker->month(0)->findChild<QTableView*>();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QElapsedTimer step;
    step.start();
    QCoreApplication::sendEvent(days, &right); // returns once the rows are filled
    const double dayChangeMs = bench::msSince(step);

    planner.activityBoxes[0]->setText("Changed for the benchmark");
    step.restart();
    planner.saveButton->click();
    return {dayChangeMs, bench::msSince(step)};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    Services services(program.platform());
    bench::addWindow<PlannerWindow>(services, 12);
    const int year = services.clock.today().year();
    bench::writeFullYear(services.folder, year);
    bench::ShownMainWindow main(services);

    const std::vector<double> medians =
        main.timeOpenings<PlannerWindow>(12, kOpenings, {"day change", "save"}, measure);
    std::printf(
        "planner over a full year file of %lld bytes (median of %d): painted %.1f ms after "
        "the click (budget 100), day change %.1f ms (budget 20), save %.1f ms (budget 50)\n",
        YearFile::length(services.folder, year), kOpenings, medians[0], medians[1], medians[2]);
    return 0;
}
