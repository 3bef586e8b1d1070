// Hall of Fame timings under the real platform, over a full QuotHof.Fil (a holder in all 168
// records), seven runs each, printing every run and the medians: from the click on "&View Hall of
// Fame" until the listing is painted, and from the click on "&Delete All Entries" (answered Yes)
// until the emptied grid is painted. Budgets: the view within 30 ms, Delete All within 100 ms.
#include "BenchSupport.h"
#include "GridControl.h"
#include "HallOfFame.h"
#include "QuotesWindow.h"
#include "Services.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

void fillEveryRecord(const ProgramFolder& folder) {
    HallOfFame::File file(folder);
    for (int record = 1; record <= HallOfFame::kRecords; ++record) {
        file.write(record, QString("HOLDER%1# 85%2:%3")
                               .arg(record % 100, 2, 10, QChar('0'))
                               .arg(record % 20)
                               .arg(record % 60, 2, 10, QChar('0')));
    }
}

// Clicks the button and returns the milliseconds until the grid is painted.
double timeUntilPainted(QPushButton* button, GridControl* grid) {
    return bench::clickUntilPainted([button] { button->click(); }, *grid->viewport()).eventMs;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    const Platform& real = program.platform();
    bench::AnswerYes yes;
    Services services(bench::withDialogs(real, yes));

    QuotesWindow window(services);
    window.show();
    QApplication::processEvents();
    window.twoPanelsAction->trigger();
    window.startButton->click(); // "&Start"
    window.startButton->click(); // "&End": the report can open
    window.checkButton->click(); // "Perf&Rp"
    QApplication::processEvents();

    std::vector<double> view;
    std::vector<double> deleteAll;
    for (int run = 1; run <= kRuns; ++run) {
        fillEveryRecord(real.folder);
        view.push_back(timeUntilPainted(window.hallOfFameButton, window.performanceGrid));
        const int listed = window.performanceGrid->rows() - 1;
        deleteAll.push_back(timeUntilPainted(window.deleteAllButton, window.performanceGrid));
        std::printf("run %d: view of %d entries painted %.1f ms; Delete All painted %.1f ms\n", run,
                    listed, view.back(), deleteAll.back());
        window.hallOfFameButton->click(); // back to the report
        QApplication::processEvents();
    }
    std::printf("median: view %.1f ms (budget 30 ms); Delete All %.1f ms (budget 100 ms)\n",
                bench::median(view), bench::median(deleteAll));
    return 0;
}
