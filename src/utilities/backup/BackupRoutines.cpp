#include "BackupRoutines.h"

#include "BackupFamily.h"
#include "BackupPrompts.h"
#include "ProgramState.h"
#include "SpanningBackup.h"
#include "SpanningRestore.h"
#include "ToDoCopy.h"
#include "YearFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kClosingSteps = 20;
constexpr int kClosingStepMs = 50;
constexpr int kClosingMaximum = 1'000;
// No to-do file of 500 rows comes near this.
constexpr qint64 kLargestToDoFile = 1'024 * 1'024;

std::optional<QByteArray> readWhole(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool isToDoCopy(const QByteArray& copy, bool complete) {
    return complete ? ToDoCopy::isWholeFile(copy) : ToDoCopy::isWholeLines(copy);
}

std::optional<QByteArray> toDoShare(const QByteArray& copy, int lines) {
    return ToDoCopy::isLines(copy, lines) ? std::optional(copy) : std::nullopt;
}

// A disk's copy may hold more than its records; what follows them is not read.
std::optional<QByteArray> yearShare(const QByteArray& copy, int records) {
    const qsizetype size = qsizetype(records) * YearFile::kRecordLength;
    return copy.size() >= size ? std::optional(copy.left(size)) : std::nullopt;
}

bool isYearCopy(const QByteArray& copy, bool complete) {
    return !complete || copy.size() == qsizetype(YearFile::kLastRecord) * YearFile::kRecordLength;
}

bool replaceToDoFile(const ProgramFolder& folder, const QByteArray& copy) {
    QSaveFile file(folder.file(kToDoFileName));
    return file.open(QIODevice::WriteOnly) && file.write(copy) == copy.size() && file.commit();
}

bool replaceYearFile(const ProgramFolder& folder, int year, const QByteArray& copy) {
    QByteArray records;
    records.reserve(copy.size());
    for (int record = 0; record < YearFile::kLastRecord; ++record) {
        records += YearFile::rawRecord(
            copy.mid(qsizetype(record) * YearFile::kRecordLength, YearFile::kRecordLength));
    }
    return YearFile::replaceRawRecords(folder, year, records);
}

} // namespace

std::optional<QList<QByteArray>> BackupRoutines::toDoPieces(Dialogs& dialogs,
                                                            const ProgramFolder& folder) {
    const QString path = folder.file(kToDoFileName);
    if (!QFileInfo(path).isFile()) {
        BackupPrompts::ShowNothingToBackUp(dialogs, "There is no saved To Do file to back up.");
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = readWhole(path, kLargestToDoFile);
    std::optional<QList<QByteArray>> lines =
        bytes ? ToDoCopy::linesOf(*bytes) : std::optional<QList<QByteArray>>();
    if (!lines) {
        BackupPrompts::ShowNothingToBackUp(
            dialogs, "The saved To Do file " + path +
                         " could not be read as a whole To Do list, so no backup was made.\r"
                         "Please open the To Do List, check it and save it, then make the "
                         "backup again.");
    }
    return lines;
}

std::optional<QList<QByteArray>> BackupRoutines::yearPieces(Dialogs& dialogs,
                                                            const ProgramFolder& folder, int year) {
    const QString yearText = QString::number(year);
    if (YearFile::length(folder, year) == 0) {
        BackupPrompts::ShowNothingToBackUp(dialogs, "There is no saved " + yearText +
                                                        " Daily Planner file to back up.");
        return std::nullopt;
    }
    const std::optional<QByteArray> records = YearFile::readRawRecords(folder, year);
    if (!records) {
        BackupPrompts::ShowNothingToBackUp(dialogs, "The " + yearText +
                                                        " Daily Planner file could not be "
                                                        "read, so no backup was made.");
        return std::nullopt;
    }
    QList<QByteArray> pieces;
    pieces.reserve(YearFile::kLastRecord);
    for (int record = 0; record < YearFile::kLastRecord; ++record) {
        pieces.append(
            records->mid(qsizetype(record) * YearFile::kRecordLength, YearFile::kRecordLength));
    }
    return pieces;
}

BackupOutcome BackupRoutines::BackupToDoFile(BackupContext& context,
                                             const QList<QByteArray>& pieces) {
    const BackupOutcome outcome = SpanningBackup(context, BackupFamily::toDo()).run(pieces);
    if (outcome == BackupOutcome::Complete) {
        PlayClosingProgress(context);
    }
    return outcome;
}

BackupOutcome BackupRoutines::BackupYearFile(BackupContext& context, int year,
                                             const QList<QByteArray>& pieces) {
    return SpanningBackup(context, BackupFamily::plannerYear(year)).run(pieces);
}

RestoreOutcome BackupRoutines::RestoreToDoFile(BackupContext& context) {
    const ProgramFolder& folder = context.folder;
    const RestoreOutcome outcome =
        SpanningRestore(context, BackupFamily::toDo())
            .run(toDoShare, isToDoCopy,
                 [&folder](const QByteArray& copy) { return replaceToDoFile(folder, copy); });
    if (outcome == RestoreOutcome::Completed) {
        PlayClosingProgress(context);
    }
    return outcome;
}

RestoreOutcome BackupRoutines::RestoreYearFile(BackupContext& context, int year) {
    const ProgramFolder& folder = context.folder;
    return SpanningRestore(context, BackupFamily::plannerYear(year))
        .run(yearShare, isYearCopy, [&folder, year](const QByteArray& copy) {
            return replaceYearFile(folder, year, copy);
        });
}

void BackupRoutines::PlayClosingProgress(BackupContext& context) {
    Clock& clock = context.program.platform().clock;
    context.display.showProgress(kClosingMaximum);
    context.display.yield();
    const QDateTime start = clock.now();
    for (int step = 1; step <= kClosingSteps; ++step) {
        context.display.setProgress(step * kClosingMaximum / kClosingSteps);
        clock.waitUntil(start.addMSecs(qint64(step) * kClosingStepMs));
    }
    context.program.SignalValue = 0;
    context.display.yield();
    context.display.hideProgress();
}
