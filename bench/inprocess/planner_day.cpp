// Opens the planner from the main window's toolbar seven times over a full year file (every day
// saved, 387,900 bytes) under the real platform, and prints, for each opening and as the median,
// the milliseconds from the click until the window is first painted, for a day change by the
// arrow key until the rows are filled, and for a save.
// Budgets: painted within 100 ms of the click; a day change within 20 ms; a save under 50 ms.
#include "BenchSupport.h"
#include "MonthView.h"
#include "Services.h"
#include "YearFile.h"
#include "Zcalandar1.h"

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

struct Timings {
    double dayChangeMs = -1;
    double saveMs = -1;
};

// Times a day change by the arrow key and a save.
Timings measure(Zcalandar1& planner) {
    Timings timings;
    auto* days = planner.MonthView1->month(0)->findChild<QTableView*>();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QElapsedTimer step;
    step.start();
    QCoreApplication::sendEvent(days, &right); // returns once the rows are filled
    timings.dayChangeMs = bench::msSince(step);

    planner.Text2[0]->setText("Changed for the benchmark");
    step.restart();
    planner.Command1->click();
    timings.saveMs = bench::msSince(step);
    return timings;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    Services services(program.platform());
    services.windows.add(12, [](Services& s) { return std::make_unique<Zcalandar1>(s); });
    const int year = services.clock.today().year();
    bench::writeFullYear(services.folder, year);
    bench::MainWindow main(services);

    std::vector<double> painted;
    std::vector<double> dayChanges;
    std::vector<double> saves;
    for (int opening = 1; opening <= kOpenings; ++opening) {
        Timings timings;
        const bench::Opening times = main.open<Zcalandar1>(12, [&timings](Zcalandar1& planner) {
            timings = measure(planner);
            planner.close();
        });
        std::printf("opening %d: painted %.1f ms, day change %.1f ms, save %.1f ms\n", opening,
                    times.paintedMs, timings.dayChangeMs, timings.saveMs);
        painted.push_back(times.paintedMs);
        dayChanges.push_back(timings.dayChangeMs);
        saves.push_back(timings.saveMs);
    }
    std::printf(
        "planner over a full year file of %lld bytes (median of %d): painted %.1f ms after "
        "the click (budget 100), day change %.1f ms (budget 20), save %.1f ms (budget 50)\n",
        YearFile::length(services.folder, year), kOpenings, bench::median(painted),
        bench::median(dayChanges), bench::median(saves));
    return 0;
}
