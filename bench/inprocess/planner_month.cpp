// Opens the planner seven times over a full year file (every day saved with fourteen entries, so
// a 31-day month lists 434 rows) under the real platform, and prints, for each opening and as the
// median, the milliseconds from a click on "&View Month" until the month grid is painted, and
// from a click on "Print &Month" until the month's printout is built in the preview.
// Budgets: the month view shows within 100 ms; its preview is built within 500 ms.
#include "BenchSupport.h"
#include "GridControl.h"
#include "PlannerWindow.h"
#include "PrintPreviewPanel.h"
#include "Services.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

struct Timings {
    double monthShownMs = -1;
    double previewBuiltMs = -1;
    int rows = 0;
    int pages = 0;
    QString face;
};

// Times the month view and its preview.
Timings measure(PlannerWindow& planner) {
    Timings timings;
    timings.monthShownMs =
        bench::clickUntilPainted([&planner] { planner.viewMonthButton->click(); },
                                 *planner.monthGrid->viewport())
            .handledMs;
    timings.rows = planner.monthGrid->rows() - 1;

    QElapsedTimer step;
    step.start();
    planner.printMonthButton->click(); // returns once the printout is built
    timings.previewBuiltMs = bench::msSince(step);
    timings.pages = planner.printPreview->preview->layout().pageCount();
    timings.face = bench::faceOf(planner.printPreview->preview->layout().font());
    planner.printPreview->commandButtons[2]->click();
    return timings;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    Services services(program.platform());
    bench::addWindow<PlannerWindow>(services, 12);
    bench::writeFullYear(services.folder, services.clock.today().year());
    bench::ShownMainWindow main(services);

    std::vector<double> shown;
    std::vector<double> built;
    Timings last;
    for (int opening = 1; opening <= kOpenings; ++opening) {
        Timings timings;
        main.open<PlannerWindow>(12, [&timings](PlannerWindow& planner) {
            timings = measure(planner);
            planner.close();
        });
        last = timings;
        std::printf("opening %d: month of %d rows shown %.1f ms, preview of %d pages built %.1f "
                    "ms\n",
                    opening, last.rows, last.monthShownMs, last.pages, last.previewBuiltMs);
        shown.push_back(last.monthShownMs);
        built.push_back(last.previewBuiltMs);
    }
    std::printf("print font: %s\n", qPrintable(last.face));
    std::printf("planner month of %d rows (median of %d): shown %.1f ms after the click (budget "
                "100), preview built %.1f ms (budget 500)\n",
                last.rows, kOpenings, bench::median(shown), bench::median(built));
    return 0;
}
