#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// A file on a backup medium, open for writing in place. Each write reaches the medium before it
// returns, so a full disk shows at the write that did not fit, and what was written before it
// stays whole.
class MediumFile {
public:
    virtual ~MediumFile() = default;
    // Writes bytes at offset and hands them to the medium at once; false when not all of them got
    // there (a full disk, a disk taken out, a write-protected disk).
    virtual bool writeAt(qint64 offset, const QByteArray& bytes) = 0;
    // Cuts the file to length bytes: a piece that did not fit is taken away again.
    virtual bool truncate(qint64 length) = 0;
    // Returns when the medium holds everything written; false when it reports an error.
    virtual bool sync() = 0;
};

// The drives and folders that backups go to: removable disks, other volumes, any folder. Files are
// written in place; where the medium has room for a second copy, a backup writes it under another
// name and puts it in place of the old one in one step (replace). Nothing here creates a file by
// reading it.
class Medium {
public:
    struct Drive {
        QString root; // the folder the drive shows first, ending in "/"
        QString name; // what the drive list shows
        bool operator==(const Drive&) const = default;
    };
    enum class ReadStatus { Read, Missing, Failed };
    struct Read {
        ReadStatus status = ReadStatus::Missing;
        QByteArray bytes; // the whole file when status is Read
    };

    virtual ~Medium() = default;
    // The file system's root, the home folder and every other mounted volume that takes writes.
    virtual QList<Drive> drives() const = 0;
    // Whether the folder is there and can be listed: a drive with a readable disk in it.
    virtual bool readable(const QString& folder) const = 0;
    // The file read whole. A file larger than limit is refused as a read error: no backup file is
    // that big.
    virtual Read read(const QString& path, qint64 limit) const = 0;
    // The file's length in bytes; -1 when there is no such file.
    virtual qint64 size(const QString& path) const = 0;
    // Removes the file of exactly this name; true when none is there afterwards, also when there
    // was none to begin with.
    virtual bool remove(const QString& path) = 0;
    // The bytes the medium holding the folder can still take; -1 when it cannot tell.
    virtual qint64 bytesFree(const QString& folder) const = 0;
    // Puts the file from in the place of the file to (there or not) in one step, and returns once
    // the medium keeps the change; false when it could not be made or kept.
    virtual bool replace(const QString& from, const QString& to) = 0;
    // Opens the file for writing in place, creating it empty when it is missing; its bytes stay
    // as they are until written over or cut off. Nothing when it cannot be opened.
    virtual std::unique_ptr<MediumFile> openForWriting(const QString& path) = 0;
};
