#include "FakeMedium.h"

namespace {

class FakeMediumFile : public MediumFile {
public:
    FakeMediumFile(FakeMedium& medium, int disk, QString name)
        : medium_(medium), disk_(disk), name_(std::move(name)) {}

    bool writeAt(qint64 offset, const QByteArray& bytes) override {
        FakeMedium::Disk* disk = present();
        if (disk == nullptr || disk->writeProtected) {
            return false;
        }
        QByteArray& file = disk->files[name_];
        const qint64 room = disk->capacity - disk->used();
        const qint64 end = offset + bytes.size();
        const qint64 growth = std::max<qint64>(0, end - file.size());
        // A disk that fills keeps what fitted of the write.
        const qint64 fits = growth <= room ? bytes.size() : bytes.size() - (growth - room);
        if (fits <= 0) {
            return bytes.isEmpty();
        }
        if (file.size() < offset) {
            file.append(QByteArray(offset - file.size(), '\0'));
        }
        file.replace(offset, std::min<qint64>(fits, file.size() - offset), bytes.left(fits));
        return fits == bytes.size();
    }

    bool truncate(qint64 length) override {
        FakeMedium::Disk* disk = present();
        if (disk == nullptr || disk->writeProtected) {
            return false;
        }
        QByteArray& file = disk->files[name_];
        if (length <= file.size()) {
            file.truncate(length);
            return true;
        }
        const qint64 room = disk->capacity - disk->used();
        if (length - file.size() > room) {
            return false;
        }
        file.append(QByteArray(length - file.size(), '\0'));
        return true;
    }

    bool sync() override {
        if (present() == nullptr) {
            return false;
        }
        ++medium_.syncs;
        return true;
    }

private:
    // The disk the file was opened on, while it is still in the drive.
    FakeMedium::Disk* present() {
        return medium_.inDrive == disk_ ? &medium_.disks[disk_] : nullptr;
    }

    FakeMedium& medium_;
    int disk_;
    QString name_;
};

} // namespace

qint64 FakeMedium::Disk::used() const {
    qint64 total = 0;
    for (const QByteArray& file : files) {
        total += file.size();
    }
    return total;
}

FakeMedium::FakeMedium() : driveList{{"/", "/"}, {folder, "floppy"}} {}

int FakeMedium::addDisk(qint64 capacity) {
    Disk blank;
    blank.capacity = capacity;
    disks.append(blank);
    return int(disks.size()) - 1;
}

QString FakeMedium::nameOf(const QString& path) const {
    return path.startsWith(folder) ? path.mid(folder.size()) : QString();
}

const FakeMedium::Disk* FakeMedium::diskFor(const QString& path) const {
    if (inDrive < 0 || nameOf(path).isEmpty()) {
        return nullptr;
    }
    return &disks[inDrive];
}

bool FakeMedium::readable(const QString& path) const {
    return inDrive >= 0 && (path.startsWith(folder) || path + '/' == folder);
}

Medium::Read FakeMedium::read(const QString& path, qint64 limit) const {
    const Disk* disk = diskFor(path);
    if (disk == nullptr) {
        return {ReadStatus::Failed, {}};
    }
    const auto file = disk->files.constFind(nameOf(path));
    if (file == disk->files.constEnd()) {
        return {ReadStatus::Missing, {}};
    }
    if (file->size() > limit || (disk->readErrorAt && file->size() > *disk->readErrorAt)) {
        return {ReadStatus::Failed, {}};
    }
    return {ReadStatus::Read, *file};
}

qint64 FakeMedium::size(const QString& path) const {
    const Disk* disk = diskFor(path);
    if (disk == nullptr || !disk->files.contains(nameOf(path))) {
        return -1;
    }
    return disk->files.value(nameOf(path)).size();
}

bool FakeMedium::remove(const QString& path) {
    if (diskFor(path) == nullptr) {
        return false;
    }
    Disk& current = disk();
    if (!current.files.contains(nameOf(path))) {
        return true;
    }
    if (current.writeProtected) {
        return false;
    }
    current.files.remove(nameOf(path));
    return true;
}

qint64 FakeMedium::bytesFree(const QString& path) const {
    if (!readable(path)) {
        return -1;
    }
    return disks[inDrive].capacity - disks[inDrive].used();
}

bool FakeMedium::replace(const QString& from, const QString& to) {
    if (diskFor(from) == nullptr || diskFor(to) == nullptr || disk().writeProtected ||
        !disk().files.contains(nameOf(from))) {
        return false;
    }
    disk().files.insert(nameOf(to), disk().files.take(nameOf(from)));
    return true;
}

std::unique_ptr<MediumFile> FakeMedium::openForWriting(const QString& path) {
    if (diskFor(path) == nullptr) {
        return nullptr;
    }
    Disk& current = disk();
    if (!current.files.contains(nameOf(path))) {
        if (current.writeProtected) {
            return nullptr;
        }
        current.files.insert(nameOf(path), QByteArray());
    }
    return std::make_unique<FakeMediumFile>(*this, inDrive, nameOf(path));
}
