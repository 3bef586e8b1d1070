// Backs a full planner year (every day saved, 387,900 bytes) up into a folder and restores it,
// seven times each under the real file system, and prints the milliseconds of each run and the
// medians. The questions are answered at once; a planner backup has no pause and no closing
// progress display when the year fits in the folder.
// Budget: a backup under 1 s, a restore under 1 s.
#include "BackupRoutines.h"
#include "HINFO1.h"
#include "MediumFileSystem.h"
#include "ProductionPlatform.h"
#include "YearFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kYear = 2003;

// Yes to the restore's question, OK to anything else.
class YesDialogs : public QtDialogs {
public:
    Answer message(const Message& message) override {
        return message.buttons == Buttons::YesNoCancelDefaultNo ? Answer::Yes : Answer::Ok;
    }
};

class NoDisplay : public BackupDisplay {
public:
    void setStatus(const QString&) override {}
    void showProgress(int) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    void yield() override {}
};

void writeFullYear(const ProgramFolder& folder) {
    YearFile::DayRecord day;
    for (int row = 0; row < YearFile::kRows; ++row) {
        day.times[std::size_t(row)] = "9:30 AM";
        day.activities[std::size_t(row)] = QString("Appointment number %1 of the day").arg(row);
    }
    day.status = YearFile::kFull;
    for (int record = 1; record <= YearFile::kLastRecord; ++record) {
        YearFile::write(folder, kYear, record, day);
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir programDir;
    QTemporaryDir target;
    ProductionPlatform production(programDir.path());
    YesDialogs dialogs;
    const Platform& base = production.platform();
    Platform platform{dialogs,       base.modal,     base.clock,   base.random,
                      base.registry, base.folder,    base.sound,   base.help,
                      base.web,      base.clipboard, base.printer, base.medium};
    HINFO1 hinfo(platform);
    NoDisplay display;
    writeFullYear(production.folder());
    const QByteArray saved = [&] {
        QFile file(production.folder().file(YearFile::fileName(kYear)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    BackupContext context{hinfo, platform.medium, production.folder(), display,
                          target.path() + '/'};
    std::vector<double> backups;
    std::vector<double> restores;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const auto pieces = BackupRoutines::yearPieces(dialogs, production.folder(), kYear);
        const bool backedUp = pieces && BackupRoutines::BackupYearFile(context, kYear, *pieces) ==
                                            BackupOutcome::Complete;
        backups.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        const bool restored =
            BackupRoutines::RestoreYearFile(context, kYear) == RestoreOutcome::Completed;
        restores.push_back(clock.nsecsElapsed() / 1e6);
        QFile file(production.folder().file(YearFile::fileName(kYear)));
        const bool same = file.open(QIODevice::ReadOnly) && file.readAll() == saved;
        std::printf("run %d: backup %.1f ms, restore %.1f ms%s\n", run + 1, backups.back(),
                    restores.back(), backedUp && restored && same ? "" : " (FAILED)");
    }
    std::printf("median: backup %.1f ms (budget 1000), restore %.1f ms (budget 1000)\n",
                median(backups), median(restores));
    return 0;
}
