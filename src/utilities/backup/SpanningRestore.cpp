#include "SpanningRestore.h"

#include "BackupPrompts.h"
#include "DiskInfoFile.h"
#include "Medium.h"
#include "ProgramState.h"
#include "YearFile.h"

namespace {

// Far more than any copy holds: a year is 387,900 bytes, a to-do list some 60,000.
constexpr qint64 kCopyReadLimit = 4 * 1'024 * 1'024;

} // namespace

SpanningRestore::SpanningRestore(BackupContext& context, BackupFamily family)
    : context_(context), family_(std::move(family)) {}

std::optional<DiskInfoFile::DiskInfo> SpanningRestore::readInfo() const {
    const Medium::Read read =
        context_.medium.read(onMedium(family_.infoName), DiskInfoFile::kReadLimit);
    if (read.status != Medium::ReadStatus::Read) {
        return std::nullopt;
    }
    return DiskInfoFile::decode(read.bytes, family_.tag, family_.shares);
}

SpanningRestore::DiskRead SpanningRestore::readShare(const DiskInfoFile::DiskInfo& info,
                                                     const Share& share, const Check& check) {
    const Medium::Read read = context_.medium.read(onMedium(family_.copyName), kCopyReadLimit);
    if (read.status == Medium::ReadStatus::Missing) {
        return DiskRead::NotThisDisk;
    }
    if (read.status == Medium::ReadStatus::Failed) {
        return DiskRead::ReadError;
    }
    if (info.resumeRecord == 0) {
        copy_ += read.bytes;
        if (!check(copy_, false)) {
            return DiskRead::NotWhole;
        }
        // The copies read so far are whole pieces; which disk holds too few is not said.
        const bool whole = !info.isLast() || check(copy_, true);
        return whole               ? DiskRead::Taken
               : info.thisDisk > 1 ? DiskRead::SetNotWhole
                                   : DiskRead::NotWhole;
    }
    if (info.resumeRecord < firstRecord_) {
        return DiskRead::NotThisDisk;
    }
    const std::optional<QByteArray> pieces = share(read.bytes, info.resumeRecord - firstRecord_);
    if (!pieces) {
        return DiskRead::NotWhole; // the copy does not hold the pieces the disk says it holds
    }
    copy_ += *pieces;
    firstRecord_ = info.resumeRecord;
    return check(copy_, info.isLast()) ? DiskRead::Taken : DiskRead::NotWhole;
}

void SpanningRestore::tellNotWhole(DiskRead read, int disk) const {
    Dialogs& dialogs = context_.program.platform().dialogs;
    if (read == DiskRead::SetNotWhole) {
        BackupPrompts::ShowSetNotWhole(dialogs, onMedium(family_.copyName), disk,
                                       family_.restoreWord);
    } else {
        BackupPrompts::ShowCopyNotWhole(dialogs, onMedium(family_.copyName), disk,
                                        family_.restoreWord);
    }
}

RestoreOutcome SpanningRestore::notCompleted() {
    copy_.clear();
    context_.program.NormalPointer();
    context_.display.hideProgress();
    return RestoreOutcome::NotCompleted;
}

RestoreOutcome SpanningRestore::run(const Share& share, const Check& check, const Commit& commit) {
    ProgramState& program = context_.program;
    Dialogs& dialogs = program.platform().dialogs;
    copy_.clear();
    firstRecord_ = 1;
    context_.display.yield();
    std::optional<DiskInfoFile::DiskInfo> info = readInfo();
    const DiskRead first =
        info && info->thisDisk == 1 ? readShare(*info, share, check) : DiskRead::NotThisDisk;
    if (first == DiskRead::NotWhole) {
        // Nobody is asked to proceed with a copy that cannot restore.
        tellNotWhole(first, 1);
        return notCompleted();
    }
    if (first != DiskRead::Taken) {
        copy_.clear();
        BackupPrompts::ShowBackupNotFound(dialogs);
        return RestoreOutcome::NotFound;
    }
    if (BackupPrompts::AskDeleteBeforeRestore(dialogs, family_.restoreWord) !=
        Dialogs::Answer::Yes) {
        copy_.clear();
        return RestoreOutcome::Declined;
    }
    program.BusyPointer();
    context_.display.setStatus(family_.restoreCaption);
    const bool records = family_.plannerRecords();
    if (records) {
        context_.display.showProgress(YearFile::kLastRecord);
        context_.display.setProgress(firstRecord_ - 1);
    }
    context_.display.yield();
    int expectedDisk = info->nextDisk;
    while (!info->isLast()) {
        context_.display.yield();
        program.NormalPointer();
        if (BackupPrompts::AskRestoreDisk(dialogs, expectedDisk) != Dialogs::Answer::Ok) {
            BackupPrompts::ShowRestoreNotCompleted(dialogs);
            return notCompleted();
        }
        program.BusyPointer();
        // A disk that is not the one asked for is asked for again.
        const std::optional<DiskInfoFile::DiskInfo> next = readInfo();
        if (!next || next->thisDisk != expectedDisk) {
            continue;
        }
        const DiskRead read = readShare(*next, share, check);
        if (read == DiskRead::ReadError) {
            BackupPrompts::ShowRestoreNotCompleted(dialogs);
            return notCompleted();
        }
        if (read == DiskRead::NotWhole || read == DiskRead::SetNotWhole) {
            tellNotWhole(read, expectedDisk);
            return notCompleted();
        }
        if (read == DiskRead::Taken) {
            info = next;
            expectedDisk = next->nextDisk;
            if (records) {
                context_.display.setProgress(firstRecord_ - 1);
            }
        }
    }
    const bool committed = commit(copy_);
    copy_.clear();
    if (!committed) {
        BackupPrompts::ShowRestoreNotCompleted(dialogs);
        return notCompleted();
    }
    return RestoreOutcome::Completed;
}
