// Opens the window of each toolbar button given on the command line (default 2, the crossword)
// from the main window seven times under the real platform, and prints, for each opening and as
// the median, the milliseconds from the click until the window is shown and until it is first
// painted. Budget: shown within 50 ms.
#include "ActivityWindow.h"
#include "ProductionPlatform.h"
#include "RegisterWindows.h"
#include "Services.h"
#include "Startfrm.h"
#include "Toolbar.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

// Notes when the activity window is shown and first painted, then closes it.
class OpeningWatch : public QObject {
public:
    explicit OpeningWatch(const QElapsedTimer& clock) : clock_(clock) {}

    double shownMs = -1;
    double paintedMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<ActivityWindow*>(watched);
        if (window != nullptr && event->type() == QEvent::Show && shownMs < 0) {
            shownMs = clock_.nsecsElapsed() / 1e6;
        }
        if (window != nullptr && event->type() == QEvent::Paint && paintedMs < 0) {
            paintedMs = clock_.nsecsElapsed() / 1e6;
            QTimer::singleShot(0, window, &QWidget::close);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
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
    // The windows read their shipped files from the program folder, as in the installed program.
    if (!production.folder().install(KORVANE_DATA_DIR)) {
        std::fprintf(stderr, "the program folder %s could not be filled\n", qPrintable(home.path()));
        return 1;
    }
    Services services(production.platform());
    registerWindows(services.windows);

    Startfrm main(services);
    main.Form_Load();
    main.show();
    QApplication::processEvents();

    QList<int> buttons;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        buttons.append(argument.toInt());
    }
    if (buttons.isEmpty()) {
        buttons.append(2);
    }
    int status = 0;
    for (const int button : buttons) {
        if (!services.windows.has(button)) {
            std::fprintf(stderr, "button %d: the benchmark has no window for it\n", button);
            status = 1;
            continue;
        }
        std::vector<double> shown;
        std::vector<double> painted;
        for (int opening = 1; opening <= kOpenings; ++opening) {
            QElapsedTimer sinceClick;
            OpeningWatch watch(sinceClick);
            app.installEventFilter(&watch);
            sinceClick.start();
            main.Toolbar1->button(button)->trigger(); // returns when the window has closed
            app.removeEventFilter(&watch);
            QApplication::processEvents(); // the main window's activation
            std::printf("button %d, opening %d: shown %.1f ms, painted %.1f ms\n", button, opening,
                        watch.shownMs, watch.paintedMs);
            shown.push_back(watch.shownMs);
            painted.push_back(watch.paintedMs);
        }
        std::printf("button %d window: shown %.1f ms, painted %.1f ms after the click (median of "
                    "%d); budget 50 ms\n",
                    button, median(shown), median(painted), kOpenings);
    }
    return status;
}
