// Opens the planner from the main window's toolbar seven times over a full year file (every day
// saved, 387,900 bytes) under the real platform, and prints, for each opening and as the median,
// the milliseconds from the click until the window is first painted, for a day change by the
// arrow key until the rows are filled, and for a save.
// Budgets: painted within 100 ms of the click; a day change within 20 ms; a save under 50 ms.
#include "ProductionPlatform.h"
#include "Services.h"
#include "Startfrm.h"
#include "Toolbar.h"
#include "YearFile.h"
#include "Zcalandar1.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "MonthView.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

struct Timings {
    double paintedMs = -1;
    double dayChangeMs = -1;
    double saveMs = -1;
};

// Every record of the year saved, with an entry on every row.
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

// At the planner's first paint: notes the time, then times a day change and a save, and closes.
class PlannerWatch : public QObject {
public:
    explicit PlannerWatch(const QElapsedTimer& sinceClick) : sinceClick_(sinceClick) {}

    Timings timings;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* planner = qobject_cast<Zcalandar1*>(watched);
        if (planner != nullptr && event->type() == QEvent::Paint && timings.paintedMs < 0) {
            timings.paintedMs = msSince(sinceClick_);
            QTimer::singleShot(0, planner, [this, planner] { measure(*planner); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void measure(Zcalandar1& planner) {
        auto* days = planner.MonthView1->month(0)->findChild<QTableView*>();
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QElapsedTimer step;
        step.start();
        QCoreApplication::sendEvent(days, &right); // returns once the rows are filled
        timings.dayChangeMs = msSince(step);

        planner.Text2[0]->setText("Changed for the benchmark");
        step.restart();
        planner.Command1->click();
        timings.saveMs = msSince(step);
        planner.close();
    }

    const QElapsedTimer& sinceClick_;
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

    std::vector<double> painted;
    std::vector<double> dayChanges;
    std::vector<double> saves;
    for (int opening = 1; opening <= kOpenings; ++opening) {
        QElapsedTimer sinceClick;
        PlannerWatch watch(sinceClick);
        app.installEventFilter(&watch);
        sinceClick.start();
        main.Toolbar1->button(12)->trigger(); // returns when the window has closed
        app.removeEventFilter(&watch);
        QApplication::processEvents(); // the main window's activation
        std::printf("opening %d: painted %.1f ms, day change %.1f ms, save %.1f ms\n", opening,
                    watch.timings.paintedMs, watch.timings.dayChangeMs, watch.timings.saveMs);
        painted.push_back(watch.timings.paintedMs);
        dayChanges.push_back(watch.timings.dayChangeMs);
        saves.push_back(watch.timings.saveMs);
    }
    std::printf(
        "planner over a full year file of %lld bytes (median of %d): painted %.1f ms after "
        "the click (budget 100), day change %.1f ms (budget 20), save %.1f ms (budget 50)\n",
        YearFile::length(services.folder, year), kOpenings, median(painted), median(dayChanges),
        median(saves));
    return 0;
}
