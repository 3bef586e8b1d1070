#include "SpanningBackup.h"

#include "BackupPrompts.h"
#include "DiskInfoFile.h"
#include "Medium.h"
#include "ProgramState.h"

namespace {

// Room a new set needs beyond its own bytes to go beside the old one: the file system's blocks.
constexpr qint64 kRoomToSpare = 64 * 1'024;
// The new set's names while it is written beside the old one.
constexpr const char* kNewSuffix = ".new";

} // namespace

SpanningBackup::SpanningBackup(BackupContext& context, BackupFamily family)
    : context_(context), family_(std::move(family)) {}

bool SpanningBackup::writeInfo(const DiskInfoFile::Values& values, const QString& name) {
    const QString path = onMedium(name);
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
    // Every disk says where its share ends, so that a restore can tell which disk's copy is short.
    DiskInfoFile::Values values{family_.tag, diskNumber_, nextDisk, resumeRecord, {}};
    if (family_.plannerRecords() && withYear) {
        values.year = family_.year;
    }
    return values;
}

SpanningBackup::Step SpanningBackup::prepareFirstDisk() {
    ProgramState& program = context_.program;
    for (;;) {
        program.BusyPointer();
        context_.display.yield();
        // A fresh file: a half-written one of an earlier backup never stays.
        if (context_.medium.remove(onMedium(family_.infoName)) &&
            writeInfo({family_.tag, {}, {}, {}, {}}, family_.infoName)) {
            return Step::Done;
        }
        program.NormalPointer();
        if (BackupPrompts::AskForBlankDisk(program.platform().dialogs) != Dialogs::Answer::Ok) {
            return Step::Cancelled;
        }
        program.SignalValue = 99;
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
    const Medium::Read info =
        context_.medium.read(onMedium(family_.infoName), DiskInfoFile::kReadLimit);
    return info.status == Medium::ReadStatus::Read && info.bytes == filledInfo_ &&
           context_.medium.size(onMedium(family_.copyName)) == filledCopyLength_;
}

SpanningBackup::Step SpanningBackup::changeDisk(int firstPiece) {
    ProgramState& program = context_.program;
    Dialogs& dialogs = program.platform().dialogs;
    const int resumeRecord = firstPiece + 1;
    closeCopy();
    const DiskInfoFile::Values full = infoValues(diskNumber_ + 1, resumeRecord, true);
    // Without its record of where the set goes on, the full disk cannot be restored.
    if (!writeInfo(full, family_.infoName)) {
        return Step::Failed;
    }
    filledInfo_ = DiskInfoFile::encode(full);
    filledCopyLength_ = context_.medium.size(onMedium(family_.copyName));
    ++diskNumber_;
    program.PauseTwoSeconds();
    context_.display.yield();
    for (;;) {
        program.NormalPointer();
        if (BackupPrompts::AskNextBackupDisk(dialogs, diskNumber_) != Dialogs::Answer::Ok) {
            return Step::Cancelled;
        }
        while (isDiskJustFilled()) {
            if (BackupPrompts::RefuseFilledDisk(dialogs) != Dialogs::Answer::Ok) {
                return Step::Cancelled;
            }
        }
        program.BusyPointer();
        context_.display.setStatus("Deleting Old Files");
        context_.display.yield();
        const bool cleared = context_.medium.remove(onMedium(family_.infoName)) &&
                             context_.medium.remove(onMedium(family_.copyName));
        // A disk whose information will not write is asked for again under the same number.
        if (cleared && writeInfo(infoValues(diskNumber_, resumeRecord, false), family_.infoName)) {
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

bool SpanningBackup::writeBeside(const QList<QByteArray>& pieces) {
    qint64 bytes = DiskInfoFile::kLength;
    for (const QByteArray& piece : pieces) {
        bytes += piece.size();
    }
    const qint64 free = context_.medium.bytesFree(context_.targetPath);
    if (free < 0 || free < bytes + kRoomToSpare) {
        return false;
    }
    startCopying(int(pieces.size()));
    const QString newCopy = family_.copyName + kNewSuffix;
    const QString newInfo = family_.infoName + kNewSuffix;
    // The old set goes only once every file of the new one is whole on the medium; the copy is
    // put in place first, as the information of a set on one disk reads the same every time.
    const bool written =
        writeNewCopy(pieces, newCopy) &&
        writeInfo(infoValues(diskNumber_, int(pieces.size()) + 1, true), newInfo) &&
        context_.medium.replace(onMedium(newCopy), onMedium(family_.copyName)) &&
        context_.medium.replace(onMedium(newInfo), onMedium(family_.infoName));
    if (!written) {
        removeNewSet();
    }
    return written;
}

bool SpanningBackup::writeNewCopy(const QList<QByteArray>& pieces, const QString& name) {
    copy_ = context_.medium.openForWriting(onMedium(name));
    copyLength_ = 0;
    if (copy_ == nullptr) {
        return false;
    }
    for (int piece = 0; piece < pieces.size(); ++piece) {
        if (!copy_->writeAt(copyLength_, pieces.at(piece))) {
            copy_.reset();
            return false;
        }
        copyLength_ += pieces.at(piece).size();
        showProgress(piece + 1);
    }
    return closeCopy();
}

void SpanningBackup::removeNewSet() {
    context_.medium.remove(onMedium(family_.copyName + kNewSuffix));
    context_.medium.remove(onMedium(family_.infoName + kNewSuffix));
}

void SpanningBackup::startCopying(int pieces) {
    if (family_.plannerRecords()) {
        context_.display.showProgress(pieces);
        context_.display.setStatus(family_.diskCaption + "1");
    }
}

BackupOutcome SpanningBackup::writeInPlace(const QList<QByteArray>& pieces) {
    ProgramState& program = context_.program;
    const Step first = prepareFirstDisk();
    if (first == Step::Cancelled) {
        program.SignalValue = 2;
        return BackupOutcome::Cancelled;
    }
    startCopying(int(pieces.size()));
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
            program.SignalValue = 2;
            return BackupOutcome::Cancelled;
        }
        if (changed == Step::Failed) {
            BackupPrompts::ShowBackupNotCompleted(program.platform().dialogs);
            return BackupOutcome::NotCompleted;
        }
        showProgress(piece);
    }
    // The set is complete only once the last disk holds its copy and says it is the last.
    if (!closeCopy() ||
        !writeInfo(infoValues(diskNumber_, int(pieces.size()) + 1, true), family_.infoName)) {
        BackupPrompts::ShowBackupNotCompleted(program.platform().dialogs);
        return BackupOutcome::NotCompleted;
    }
    return BackupOutcome::Complete;
}

BackupOutcome SpanningBackup::run(const QList<QByteArray>& pieces) {
    diskNumber_ = 1;
    context_.program.SignalValue = 0;
    context_.program.BusyPointer();
    context_.display.yield();
    // What a backup stopped while writing beside an older set left behind.
    removeNewSet();
    if (!writeBeside(pieces)) {
        const BackupOutcome inPlace = writeInPlace(pieces);
        if (inPlace != BackupOutcome::Complete) {
            return inPlace;
        }
    }
    context_.display.setStatus(family_.diskCaption + QString::number(diskNumber_));
    context_.display.yield();
    context_.display.hideProgress();
    return BackupOutcome::Complete;
}
