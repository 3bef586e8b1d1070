#pragma once

#include "BackupContext.h"
#include "BackupFamily.h"
#include "DiskInfoFile.h"

#include <QByteArray>
#include <QList>

#include <memory>

class MediumFile;

// Writes a backup copy made of whole pieces (the to-do list's lines, the planner's records) into
// the chosen folder, and on to further disks when one is full: every disk ends on a whole piece
// and carries its disk information. Only the exact names of the family's two files are removed.
class SpanningBackup {
public:
    SpanningBackup(BackupContext& context, BackupFamily family);

    BackupOutcome run(const QList<QByteArray>& pieces);

private:
    enum class Step { Done, Cancelled, Failed };

    QString onMedium(const QString& name) const { return context_.targetPath + name; }
    // Writes the disk information whole, in place; on a new file, false leaves none behind.
    bool writeInfo(const DiskInfoFile::Values& values);
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
