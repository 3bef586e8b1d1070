#include "SpanningBackup.h"

#include "BackupPrompts.h"
#include "HINFO1.h"
#include "Medium.h"

namespace {

// No disk information is larger; reading stops there.
constexpr qint64 kInfoReadLimit = 4'096;

} // namespace

SpanningBackup::SpanningBackup(BackupContext& context, BackupFamily family)
    : context_(context), family_(std::move(family)) {}

bool SpanningBackup::writeInfo(const DiskInfoFile::Values& values) {
    const QString path = onMedium(family_.infoName);
    const bool existed = context_.medium.size(path) >= 0;
    std::unique_ptr<MediumFile> file = context_.medium.openForWriting(path);
    const QByteArray bytes = DiskInfoFile::encode(values);
    const bool written =
        file != nullptr && file->writeAt(0, bytes) && file->truncate(bytes.size()) && file->sync();
    file.reset();
    if (!written && !existed) {
        context_.medium.remove(path);
    }
    return written;
}

DiskInfoFile::Values SpanningBackup::infoValues(int nextDisk, int resumeRecord,
                                                bool withYear) const {
    DiskInfoFile::Values values{family_.tag, diskNumber_, nextDisk, {}, {}};
    if (family_.plannerRecords()) {
        values.resumeRecord = resumeRecord;
        if (withYear) {
            values.year = family_.year;
        }
    }
    return values;
}

SpanningBackup::Step SpanningBackup::prepareFirstDisk() {
    HINFO1& hinfo = context_.hinfo;
    for (;;) {
        hinfo.BusyPointer();
        context_.display.yield();
        // A fresh file: a half-written one of an earlier backup never stays.
        if (context_.medium.remove(onMedium(family_.infoName)) &&
            writeInfo({family_.tag, {}, {}, {}, {}})) {
            return Step::Done;
        }
        hinfo.NormalPointer();
        if (BackupPrompts::AskForBlankDisk(hinfo.platform().dialogs) != Dialogs::Answer::Ok) {
            return Step::Cancelled;
        }
        hinfo.SignalValue = 99;
    }
}

bool SpanningBackup::closeCopy() {
    if (copy_ == nullptr) {
        return true;
    }
    // A piece that only partly fitted is cut away: the disk ends on a whole one.
    const bool closed = copy_->truncate(copyLength_) && copy_->sync();
    copy_.reset();
    return closed;
}

bool SpanningBackup::isDiskJustFilled() const {
    const Medium::Read info = context_.medium.read(onMedium(family_.infoName), kInfoReadLimit);
    return info.status == Medium::ReadStatus::Read && info.bytes == filledInfo_ &&
           context_.medium.size(onMedium(family_.copyName)) == filledCopyLength_;
}

SpanningBackup::Step SpanningBackup::changeDisk(int firstPiece) {
    HINFO1& hinfo = context_.hinfo;
    Dialogs& dialogs = hinfo.platform().dialogs;
    const int resumeRecord = firstPiece + 1;
    closeCopy();
    const DiskInfoFile::Values full = infoValues(diskNumber_ + 1, resumeRecord, true);
    // Without its record of where the set goes on, the full disk cannot be restored.
    if (!writeInfo(full)) {
        return Step::Failed;
    }
    filledInfo_ = DiskInfoFile::encode(full);
    filledCopyLength_ = context_.medium.size(onMedium(family_.copyName));
    ++diskNumber_;
    hinfo.PauseTwoSeconds();
    context_.display.yield();
    for (;;) {
        hinfo.NormalPointer();
        if (BackupPrompts::AskNextBackupDisk(dialogs, diskNumber_) != Dialogs::Answer::Ok) {
            return Step::Cancelled;
        }
        while (isDiskJustFilled()) {
            if (BackupPrompts::RefuseFilledDisk(dialogs) != Dialogs::Answer::Ok) {
                return Step::Cancelled;
            }
        }
        hinfo.BusyPointer();
        context_.display.setStatus("Deleting Old Files");
        context_.display.yield();
        const bool cleared = context_.medium.remove(onMedium(family_.infoName)) &&
                             context_.medium.remove(onMedium(family_.copyName));
        // A disk whose information will not write is asked for again under the same number.
        if (cleared && writeInfo(infoValues(diskNumber_, resumeRecord, false))) {
            break;
        }
    }
    context_.display.setStatus(family_.diskCaption + QString::number(diskNumber_));
    context_.display.yield();
    copy_ = context_.medium.openForWriting(onMedium(family_.copyName));
    copyLength_ = 0;
    return Step::Done;
}

void SpanningBackup::showProgress(int piecesWritten) {
    if (family_.plannerRecords()) {
        context_.display.setProgress(piecesWritten);
    }
}

BackupOutcome SpanningBackup::run(const QList<QByteArray>& pieces) {
    HINFO1& hinfo = context_.hinfo;
    diskNumber_ = 1;
    hinfo.SignalValue = 0;
    const Step first = prepareFirstDisk();
    if (first == Step::Cancelled) {
        hinfo.SignalValue = 2;
        return BackupOutcome::Cancelled;
    }
    if (family_.plannerRecords()) {
        context_.display.showProgress(int(pieces.size()));
        context_.display.setStatus(family_.diskCaption + "1");
    }
    // An older copy of the same name goes first, and with it the room it took.
    if (context_.medium.remove(onMedium(family_.copyName))) {
        copy_ = context_.medium.openForWriting(onMedium(family_.copyName));
    }
    copyLength_ = 0;
    context_.display.yield();
    for (int piece = 0; piece < pieces.size();) {
        const QByteArray& bytes = pieces.at(piece);
        if (copy_ != nullptr && copy_->writeAt(copyLength_, bytes)) {
            copyLength_ += bytes.size();
            showProgress(++piece);
            continue;
        }
        // Any write that fails is a full disk: the piece goes whole onto the next one.
        const Step changed = changeDisk(piece);
        if (changed == Step::Cancelled) {
            hinfo.SignalValue = 2;
            return BackupOutcome::Cancelled;
        }
        if (changed == Step::Failed) {
            BackupPrompts::ShowBackupNotCompleted(hinfo.platform().dialogs);
            return BackupOutcome::NotCompleted;
        }
        showProgress(piece);
    }
    // The set is complete only once the last disk holds its copy and says it is the last.
    if (!closeCopy() || !writeInfo(infoValues(diskNumber_, DiskInfoFile::kPastLastRecord, true))) {
        BackupPrompts::ShowBackupNotCompleted(hinfo.platform().dialogs);
        return BackupOutcome::NotCompleted;
    }
    context_.display.setStatus(family_.diskCaption + QString::number(diskNumber_));
    context_.display.yield();
    context_.display.hideProgress();
    return BackupOutcome::Complete;
}
