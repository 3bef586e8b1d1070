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
// was. A first disk whose copy cannot give a whole file is refused before the question.
class SpanningRestore {
public:
    // Whether the copy read so far can be part of a whole one; once every disk is read
    // (complete), whether it is the whole program's file.
    using Check = std::function<bool(const QByteArray& copy, bool complete)>;
    // Writes the checked copy in place of the program's file; false when it cannot be written
    // (the old file then stays).
    using Commit = std::function<bool(const QByteArray& copy)>;

    SpanningRestore(BackupContext& context, BackupFamily family);

    RestoreOutcome run(const Check& check, const Commit& commit);

private:
    enum class DiskRead { Taken, NotThisDisk, ReadError, NotWhole };

    QString onMedium(const QString& name) const { return context_.targetPath + name; }
    std::optional<DiskInfoFile::DiskInfo> readInfo() const;
    // Takes this disk's share of the copy: for a planner year the records from firstRecord up to
    // the disk's resume record, else the whole copy; NotWhole when the copy holds less than that
    // share or then fails check.
    DiskRead readShare(const DiskInfoFile::DiskInfo& info, const Check& check);
    // Tells that the copy on the disk is no whole part of a backup.
    void tellNotWhole(int disk) const;
    // Ends a restore that cannot complete: the program's file was not touched.
    RestoreOutcome notCompleted();

    BackupContext& context_;
    BackupFamily family_;
    QByteArray copy_;
    int firstRecord_ = 1;
};
