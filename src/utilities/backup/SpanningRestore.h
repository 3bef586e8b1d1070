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
// set, and a cancel, a read error or a result that does not check leaves the program's file as
// it was.
class SpanningRestore {
public:
    // Checks the whole copy and writes it in place of the program's file; false when it does not
    // check or cannot be written (the old file then stays).
    using Commit = std::function<bool(const QByteArray& copy)>;

    SpanningRestore(BackupContext& context, BackupFamily family);

    RestoreOutcome run(const Commit& commit);

private:
    enum class DiskRead { Taken, NotThisDisk, ReadError };

    QString onMedium(const QString& name) const { return context_.targetPath + name; }
    std::optional<DiskInfoFile::DiskInfo> readInfo() const;
    // Takes this disk's share of the copy: for a planner year the records from firstRecord up to
    // the disk's resume record, else the whole copy.
    DiskRead readShare(const DiskInfoFile::DiskInfo& info);
    RestoreOutcome fail();

    BackupContext& context_;
    BackupFamily family_;
    QByteArray copy_;
    int firstRecord_ = 1;
};
