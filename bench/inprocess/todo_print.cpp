// To-do list timings under the real platform, seven runs each, printing every run and the
// median: the preview of a 500-item list from "&Print" until painted (budget 300 ms), and the
// copy of the 500 items as lined-up text to the clipboard (budget 200 ms; the confirming message
// box left out).
#include "BenchSupport.h"
#include "PrintPreviewPanel.h"
#include "Services.h"
#include "TextMeasure.h"
#include "ToDoCopyText.h"
#include "ToDoFiles.h"
#include "ToDoPrintPanel.h"
#include "ToDoWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program(bench::Program::Resources::None);
    Services services(program.platform());

    std::vector<ToDoRow> rows;
    for (int row = 1; row <= ToDoWindow::kItemRows; ++row) {
        rows.push_back({QString("Family errand %1").arg(row), "Wednesday - Mar 25, 26",
                        row % 3 == 0 ? "Friday - Mar 27, 26" : ""});
    }
    if (!bench::writeFile(program.folder().file(ToDoFiles::kGridFile), ToDoFiles::writeGrid(rows),
                          "to-do")) {
        return 1;
    }

    ToDoWindow window(services);
    window.show();
    QApplication::processEvents();
    PrintPreviewPanel* panel = window.printPreview;

    std::vector<double> previewed;
    for (int run = 1; run <= kRuns; ++run) {
        previewed.push_back(
            bench::previewUntilPainted(*panel, [&window] { window.printAction->trigger(); }));
        std::printf("preview %d: %.1f ms, %d pages\n", run, previewed.back(),
                    panel->preview->layout().pageCount());
        if (run == 1) {
            std::printf("print font: %s\n",
                        qPrintable(bench::faceOf(panel->preview->layout().font())));
        }
        panel->commandButtons[2]->click();
    }

    std::vector<double> copied;
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const PrintFont& font = window.printPanel->printerFont();
        const std::vector<ToDoRow> gridRows = window.gridRows();
        const double read = bench::msSince(clock);
        const QString text =
            ToDoCopyText::build(gridRows, window.dateLabel->text(), [&font](const QString& text) {
                return TextMeasure::width(font, text);
            });
        const double built = bench::msSince(clock) - read;
        services.clipboard.putText(text);
        std::printf("copy %d: grid read %.1f ms, text built %.1f ms\n", run, read, built);
        copied.push_back(bench::msSince(clock));
        std::printf("copy %d: %.1f ms\n", run, copied.back());
    }
    std::printf("to-do list (median of %d): 500-item preview %.1f ms (budget 300), copy of 500 "
                "items %.1f ms (budget 200)\n",
                kRuns, bench::median(previewed), bench::median(copied));
    return 0;
}
