// Opens the window of each toolbar button given on the command line (default 2, the crossword)
// from the main window seven times under the real platform, and prints, for each opening and as
// the median, the milliseconds from the click until the window is shown and until it is first
// painted. Budget: shown within 50 ms.
#include "ActivityWindow.h"
#include "BenchSupport.h"
#include "RegisterWindows.h"
#include "Services.h"

#include <QApplication>

#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    // The windows read their shipped files from the program folder, as in the installed program.
    if (!program.installShippedFiles(KORVANE_DATA_DIR)) {
        return 1;
    }
    Services services(program.platform());
    registerWindows(services.windows);
    bench::ShownMainWindow main(services);

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
            const bench::Opening times =
                main.open<ActivityWindow>(button, [](ActivityWindow& window) { window.close(); });
            std::printf("button %d, opening %d: shown %.1f ms, painted %.1f ms\n", button, opening,
                        times.shownMs, times.paintedMs);
            shown.push_back(times.shownMs);
            painted.push_back(times.paintedMs);
        }
        std::printf("button %d window: shown %.1f ms, painted %.1f ms after the click (median of "
                    "%d); budget 50 ms\n",
                    button, bench::median(shown), bench::median(painted), kOpenings);
    }
    return status;
}
