#pragma once

#include "BackupContext.h"
#include "BackupFamily.h"
#include "DiskInfoFile.h"

#include <QByteArray>

#include <functional>
#include <optional>

// Reads a backup set back disk after disk and hands the whole of it to be put in place. Nothing of
// the program's file is touched before every disk has been read: the first disk is checked before
// the question, a later disk is taken only when its disk information and copy belong next in the
// set, and a cancel, a read error or a copy that does not check leaves the program's file as it
// was. Each disk's copy must hold the share its disk information gives it, so a short copy is
// named on its own disk, the first disk's before the question; of a set whose disks do not say
// their shares, a copy that is not whole pieces is named on its disk, and a set that falls short
// only at its end is told as such, naming all its disks.
class SpanningRestore {
public:
    // Whether the copy read so far can be part of a whole one; once every disk is read
    // (complete), whether it is the whole program's file.
    using Check = std::function<bool(const QByteArray& copy, bool complete)>;
    // Writes the checked copy in place of the program's file; false when it cannot be written
    // (the old file then stays).
    using Commit = std::function<bool(const QByteArray& copy)>;
    // A disk's share: the first pieces of the copy on it; nothing when the copy does not hold
    // them.
    using Share = std::function<std::optional<QByteArray>(const QByteArray& copy, int pieces)>;

    SpanningRestore(BackupContext& context, BackupFamily family);

    RestoreOutcome run(const Share& share, const Check& check, const Commit& commit);

private:
    // SetNotWhole: every disk's copy read as whole pieces, but the set they make is not whole and
    // its disks do not say which copy is short.
    enum class DiskRead { Taken, NotThisDisk, ReadError, NotWhole, SetNotWhole };

    QString onMedium(const QString& name) const { return context_.targetPath + name; }
    std::optional<DiskInfoFile::DiskInfo> readInfo() const;
    // Takes this disk's share of the copy: the pieces from firstRecord up to the disk's resume
    // record, or the whole copy when the disk does not say; NotWhole when the copy does not hold
    // that share or then fails check.
    DiskRead readShare(const DiskInfoFile::DiskInfo& info, const Share& share, const Check& check);
    // Tells that the copy on the disk, or the set up to it, is no whole part of a backup.
    void tellNotWhole(DiskRead read, int disk) const;
    // Ends a restore that cannot complete: the program's file was not touched.
    RestoreOutcome notCompleted();

    BackupContext& context_;
    BackupFamily family_;
    QByteArray copy_;
    int firstRecord_ = 1;
};
