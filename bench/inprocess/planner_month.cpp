// Opens the planner seven times over a full year file (every day saved with fourteen entries, so
// a 31-day month lists 434 rows) under the real platform, and prints, for each opening and as the
// median, the milliseconds from a click on "&View Month" until the month grid is painted, and
// from a click on "Print &Month" until the month's printout is built in the preview.
// Budgets: the month view shows within 100 ms; its preview is built within 500 ms.
#include "GridControl.h"
#include "PrintPreviewPanel.h"
#include "ProductionPlatform.h"
#include "Services.h"
#include "Startfrm.h"
#include "Toolbar.h"
#include "YearFile.h"
#include "Zcalandar1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

struct Timings {
    double monthShownMs = -1;
    double previewBuiltMs = -1;
    int rows = 0;
    int pages = 0;
};

void writeFullYear(const ProgramFolder& folder, int year) {
    YearFile::DayRecord day;
    for (int row = 0; row < YearFile::kRows; ++row) {
        day.times[std::size_t(row)] = "9:30 AM";
        day.activities[std::size_t(row)] = QString("Appointment number %1 of the day").arg(row);
    }
    day.status = YearFile::kFull;
    for (int record = 1; record <= YearFile::kLastRecord; ++record) {
        YearFile::write(folder, year, record, day);
    }
}

double msSince(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// At the planner's first paint: times the month view and its preview, then closes the window.
class PlannerWatch : public QObject {
public:
    Timings timings;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* planner = qobject_cast<Zcalandar1*>(watched);
        if (planner != nullptr && event->type() == QEvent::Paint && !started_) {
            started_ = true;
            QTimer::singleShot(0, planner, [this, planner] { measure(*planner); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void measure(Zcalandar1& planner) {
        PaintWatch gridPainted;
        planner.VSGd1->viewport()->installEventFilter(&gridPainted);
        QElapsedTimer step;
        step.start();
        planner.Command4->click();
        while (!gridPainted.painted && step.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        timings.monthShownMs = msSince(step);
        planner.VSGd1->viewport()->removeEventFilter(&gridPainted);
        timings.rows = planner.VSGd1->rows() - 1;

        step.restart();
        planner.Command6->click(); // returns once the printout is built
        timings.previewBuiltMs = msSince(step);
        timings.pages = planner.SSPanel80->VSPrinter1->layout().pageCount();
        planner.SSPanel80->SSCommand80[2]->click();
        planner.close();
    }

    bool started_ = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(shell);
    QTemporaryDir home;
    ProductionPlatform production(home.path());
    Services services(production.platform());
    services.windows.add(12, [](Services& s) { return std::make_unique<Zcalandar1>(s); });
    const int year = services.clock.today().year();
    writeFullYear(services.folder, year);

    Startfrm main(services);
    main.Form_Load();
    main.show();
    QApplication::processEvents();

    std::vector<double> shown;
    std::vector<double> built;
    Timings last;
    for (int opening = 1; opening <= kOpenings; ++opening) {
        PlannerWatch watch;
        app.installEventFilter(&watch);
        main.Toolbar1->button(12)->trigger(); // returns when the window has closed
        app.removeEventFilter(&watch);
        QApplication::processEvents();
        std::printf("opening %d: month of %d rows shown %.1f ms, preview of %d pages built %.1f "
                    "ms\n",
                    opening, watch.timings.rows, watch.timings.monthShownMs, watch.timings.pages,
                    watch.timings.previewBuiltMs);
        shown.push_back(watch.timings.monthShownMs);
        built.push_back(watch.timings.previewBuiltMs);
        last = watch.timings;
    }
    std::printf("planner month of %d rows (median of %d): shown %.1f ms after the click (budget "
                "100), preview built %.1f ms (budget 500)\n",
                last.rows, kOpenings, median(shown), median(built));
    return 0;
}
