#pragma once

#include "Medium.h"

#include <QList>
#include <QMap>

#include <optional>

// A drive with a set of disks that a test puts in and takes out. Each disk has a capacity, may be
// write-protected or fail to read from a given offset; the drive may stand empty. Files are known
// by their name inside the drive's folder.
class FakeMedium : public Medium {
public:
    struct Disk {
        qint64 capacity = 1'440 * 1'024; // bytes of all its files together
        bool writeProtected = false;
        std::optional<qint64> readErrorAt; // a file longer than this fails to read
        QMap<QString, QByteArray> files;   // by name
        qint64 used() const;
    };

    FakeMedium();

    // The folder the drive shows, ending in "/".
    QString folder = "/media/floppy/";
    QList<Drive> driveList;
    QList<Disk> disks{Disk{}};
    int inDrive = 0; // index into disks; -1 = no disk in the drive
    int syncs = 0;   // successful syncs of files on the medium

    Disk& disk() { return disks[inDrive]; }
    // Puts another disk in the drive; -1 empties it.
    void insert(int index) { inDrive = index; }
    // Adds a blank disk of the capacity and returns its index.
    int addDisk(qint64 capacity);

    QList<Drive> drives() const override { return driveList; }
    bool readable(const QString& folder) const override;
    Read read(const QString& path, qint64 limit) const override;
    qint64 size(const QString& path) const override;
    bool remove(const QString& path) override;
    qint64 bytesFree(const QString& folder) const override;
    bool replace(const QString& from, const QString& to) override;
    std::unique_ptr<MediumFile> openForWriting(const QString& path) override;

    // The name of path inside the drive's folder; empty when path lies elsewhere.
    QString nameOf(const QString& path) const;
    // The disk in the drive when path lies on it, else null.
    const Disk* diskFor(const QString& path) const;
};
