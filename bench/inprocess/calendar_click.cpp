// Opens the calendar maker under the real platform and clicks a date of another month in its month
// view seven times, printing for each click and as the median the milliseconds from the click until
// the rebuilt calendar page is painted. Budget: 30 ms.
#include "Calendar.h"
#include "PrintPreview.h"
#include "ProductionPlatform.h"
#include "Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kClicks = 7;

// Notes that the page, or a part of it, has been sent a paint event.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QWidget& page) : page_(page) {}

    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr &&
            (widget == &page_ || page_.isAncestorOf(widget))) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget& page_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(shell);
    QTemporaryDir home;
    ProductionPlatform production(home.path());
    if (!production.folder().install(KORVANE_DATA_DIR)) {
        std::fprintf(stderr, "the program folder %s could not be filled\n",
                     qPrintable(home.path()));
        return 1;
    }
    Services services(production.platform());
    Calendar window(services);
    window.show();
    QApplication::processEvents();

    std::vector<double> painted;
    QDate date(2026, 1, 15);
    for (int click = 1; click <= kClicks; ++click) {
        date = date.addMonths(1);
        PaintWatch watch(*window.vp);
        app.installEventFilter(&watch);
        QElapsedTimer sinceClick;
        sinceClick.start();
        window.MonthView1_DateClick(date);
        // The events are handled until the page has been painted: the paint is then complete.
        while (!watch.painted && sinceClick.elapsed() < 2000) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        const double paintedMs = sinceClick.nsecsElapsed() / 1e6;
        app.removeEventFilter(&watch);
        std::printf("click %d (%s): painted %.1f ms\n", click,
                    qPrintable(date.toString("MMMM yyyy")), paintedMs);
        painted.push_back(paintedMs);
    }
    std::sort(painted.begin(), painted.end());
    std::printf("calendar page: painted %.1f ms after a date click (median of %d); budget 30 ms\n",
                painted[painted.size() / 2], kClicks);
    return 0;
}
