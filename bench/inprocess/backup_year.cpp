// Backs a full planner year (every day saved, 387,900 bytes) up into a folder and restores it,
// seven times each under the real file system, and prints the milliseconds of each run and the
// medians. The questions are answered at once; a planner backup has no pause and no closing
// progress display when the year fits in the folder.
// Budget: a backup under 1 s, a restore under 1 s.
#include "BackupRoutines.h"
#include "BenchSupport.h"
#include "MediumFileSystem.h"
#include "ProgramState.h"
#include "YearFile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kYear = 2003;

class NoDisplay : public BackupDisplay {
public:
    void setStatus(const QString&) override {}
    void showProgress(int) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    void yield() override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program(bench::Program::Resources::None);
    QTemporaryDir target;
    bench::AnswerYes dialogs;
    Platform platform = bench::withDialogs(program.platform(), dialogs);
    ProgramState state(platform);
    NoDisplay display;
    bench::writeFullYear(program.folder(), kYear);
    const QByteArray saved = [&] {
        QFile file(program.folder().file(YearFile::fileName(kYear)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    BackupContext context{state, platform.medium, program.folder(), display, target.path() + '/'};
    std::vector<double> backups;
    std::vector<double> restores;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const auto pieces = BackupRoutines::yearPieces(dialogs, program.folder(), kYear);
        const bool backedUp = pieces && BackupRoutines::BackupYearFile(context, kYear, *pieces) ==
                                            BackupOutcome::Complete;
        backups.push_back(bench::msSince(clock));
        clock.restart();
        const bool restored =
            BackupRoutines::RestoreYearFile(context, kYear) == RestoreOutcome::Completed;
        restores.push_back(bench::msSince(clock));
        QFile file(program.folder().file(YearFile::fileName(kYear)));
        const bool same = file.open(QIODevice::ReadOnly) && file.readAll() == saved;
        std::printf("run %d: backup %.1f ms, restore %.1f ms%s\n", run + 1, backups.back(),
                    restores.back(), backedUp && restored && same ? "" : " (FAILED)");
    }
    std::printf("median: backup %.1f ms (budget 1000), restore %.1f ms (budget 1000)\n",
                bench::median(backups), bench::median(restores));
    return 0;
}
