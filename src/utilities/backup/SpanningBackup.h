#pragma once

#include "BackupContext.h"
#include "BackupFamily.h"
#include "DiskInfoFile.h"

#include <QByteArray>
#include <QList>

#include <memory>

class MediumFile;

// Writes a backup copy made of whole pieces (the to-do list's lines, the planner's records) into
// the chosen folder. Where the medium has room for two sets, the new one is written beside the
// old one and put in its place only once whole, so a backup stopped half-way leaves the old set as
// it was. Otherwise it is written in place, and on to further disks when one is full: every disk
// ends on a whole piece and carries its disk information. Only the exact names of the family's
// two files, and their names while written beside, are removed.
class SpanningBackup {
public:
    SpanningBackup(BackupContext& context, BackupFamily family);

    BackupOutcome run(const QList<QByteArray>& pieces);

private:
    enum class Step { Done, Cancelled, Failed };

    QString onMedium(const QString& name) const { return context_.targetPath + name; }
    // Writes the disk information whole, in place, under name; on a new file, false leaves none
    // behind.
    bool writeInfo(const DiskInfoFile::Values& values, const QString& name);
    // The whole set written beside the old one and put in its place; false, with nothing of the
    // new set left, when the medium has no room for both or a write fails.
    bool writeBeside(const QList<QByteArray>& pieces);
    // Writes every piece into a copy of that name, whole and on the medium.
    bool writeNewCopy(const QList<QByteArray>& pieces, const QString& name);
    void removeNewSet();
    BackupOutcome writeInPlace(const QList<QByteArray>& pieces);
    // The planner's progress bar and caption for the first disk, as its records start.
    void startCopying(int pieces);
    DiskInfoFile::Values infoValues(int nextDisk, int resumeRecord, bool withYear) const;
    Step prepareFirstDisk();
    // The copy on the disk in the drive is finished: cut to its whole pieces, and on the medium.
    bool closeCopy();
    // The disk in the drive took the pieces before firstPiece: records so, then asks for the next
    // disk and prepares it.
    Step changeDisk(int firstPiece);
    bool isDiskJustFilled() const;
    void showProgress(int piecesWritten);

    BackupContext& context_;
    BackupFamily family_;
    int diskNumber_ = 1;
    std::unique_ptr<MediumFile> copy_;
    qint64 copyLength_ = 0;
    // How the disk just filled reads, so that it is known again when it comes back.
    QByteArray filledInfo_;
    qint64 filledCopyLength_ = -1;
};
