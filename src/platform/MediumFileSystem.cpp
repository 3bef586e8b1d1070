#include "MediumFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

class LocalFile : public MediumFile {
public:
    explicit LocalFile(const QString& path) : file_(path) {}

    // Unbuffered: each write goes to the medium as it is made, and a write the medium refused is
    // not left waiting in a buffer to be tried again.
    bool open() { return file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered); }

    bool writeAt(qint64 offset, const QByteArray& bytes) override {
        if (!file_.seek(offset)) {
            return false;
        }
        return file_.write(bytes) == bytes.size();
    }

    bool truncate(qint64 length) override { return file_.resize(length); }

    bool sync() override { return ::fsync(file_.handle()) == 0; }

private:
    QFile file_;
};

QString withSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

// Kernel and runtime mounts that hold no user's files.
bool isSystemMount(const QStorageInfo& volume) {
    static const QStringList systemTypes = {
        "proc",    "sysfs",   "devtmpfs", "devpts",   "cgroup", "cgroup2",    "securityfs",
        "debugfs", "tracefs", "pstore",   "bpf",      "mqueue", "hugetlbfs",  "configfs",
        "fusectl", "autofs",  "overlay",  "squashfs", "nsfs",   "binfmt_misc"};
    const QString root = volume.rootPath();
    if (systemTypes.contains(QString::fromLatin1(volume.fileSystemType()))) {
        return true;
    }
    for (const char* prefix : {"/proc", "/sys", "/dev", "/boot", "/snap"}) {
        if (root == prefix || root.startsWith(QString(prefix) + '/')) {
            return true;
        }
    }
    // /run holds runtime state; removable media are mounted under /run/media.
    return (root == "/run" || root.startsWith("/run/")) && !root.startsWith("/run/media/");
}

} // namespace

QList<Medium::Drive> FileSystemMedium::drives() const {
    QList<Drive> list{{"/", "/"}};
    const QString home = withSlash(QDir::homePath());
    if (home != "/") {
        list.append({home, home});
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = withSlash(volume.rootPath());
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() ||
            isSystemMount(volume) ||
            std::any_of(list.begin(), list.end(), [&](const Drive& d) { return d.root == root; })) {
            continue;
        }
        const QString label = volume.displayName();
        list.append(
            {root, label.isEmpty() || withSlash(label) == root ? root : root + " [" + label + "]"});
    }
    return list;
}

bool FileSystemMedium::readable(const QString& folder) const {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable() && QDir(folder).exists();
}

Medium::Read FileSystemMedium::read(const QString& path, qint64 limit) const {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {ReadStatus::Missing, {}};
    }
    QFile file(path);
    if (!info.isFile() || info.size() > limit || !file.open(QIODevice::ReadOnly)) {
        return {ReadStatus::Failed, {}};
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit) {
        return {ReadStatus::Failed, {}};
    }
    return {ReadStatus::Read, bytes};
}

qint64 FileSystemMedium::size(const QString& path) const {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

bool FileSystemMedium::remove(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    return info.isFile() && QFile::remove(path);
}

qint64 FileSystemMedium::bytesFree(const QString& folder) const {
    const QStorageInfo volume(folder);
    return volume.isValid() && volume.isReady() ? volume.bytesAvailable() : -1;
}

bool FileSystemMedium::replace(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return false;
    }
    // The new name lasts only once the folder that holds it is on the medium.
    const int folder =
        ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) {
        return false;
    }
    const bool synced = ::fsync(folder) == 0;
    ::close(folder);
    return synced;
}

std::unique_ptr<MediumFile> FileSystemMedium::openForWriting(const QString& path) {
    auto file = std::make_unique<LocalFile>(path);
    if (!file->open()) {
        return nullptr;
    }
    return file;
}
