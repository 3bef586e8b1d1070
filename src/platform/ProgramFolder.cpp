#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

QString ProgramFolder::defaultPath() {
    const QString home = qEnvironmentVariable("KORVANE_HOME");
    if (!home.isEmpty()) {
        return home;
    }
    // Without either, the data folder would be made at the top of the file system.
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME")) &&
        !QDir::isAbsolutePath(qEnvironmentVariable("HOME"))) {
        return {};
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/korvane";
}

QString ProgramFolder::unusableMessage(const QString& path) {
    if (path.isEmpty()) {
        return "Korvane cannot find a folder for its files: neither HOME nor XDG_DATA_HOME is "
               "set.\nSet HOME, or set KORVANE_HOME to the folder Korvane should use, and start "
               "Korvane again.";
    }
    return "Korvane cannot make its folder " + QDir::toNativeSeparators(path) +
           " or copy its files into it.\nMake sure that folder can be written, or set "
           "KORVANE_HOME to a folder that can, and start Korvane again.";
}

QString ProgramFolder::file(const QString& name) const {
    const QString exact = QDir(path_).filePath(name);
    if (QDir::isAbsolutePath(name) || QFileInfo::exists(exact)) {
        return exact;
    }
    // The windows write the names of the shipped files in any case ("wp3" for WP3.jpg, "Hmm.bmp"
    // for hmm.bmp), as the file system they were made for ignored it.
    QString found = path_;
    for (const QString& part : name.split('/', Qt::SkipEmptyParts)) {
        const QStringList entries =
            QDir(found).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const auto match =
            std::find_if(entries.begin(), entries.end(), [&part](const QString& entry) {
                return entry.compare(part, Qt::CaseInsensitive) == 0;
            });
        if (match == entries.end()) {
            return exact;
        }
        found = QDir(found).filePath(*match);
    }
    return found;
}

bool ProgramFolder::install(const QString& shippedFolder) const {
    if (!QDir().mkpath(path_)) {
        return false;
    }
    bool filled = true;
    const QDir source(shippedFolder);
    const QStringList present = QDir(path_).entryList(QDir::Files);
    const QSet<QString> here(present.begin(), present.end());
    QDirIterator shipped(shippedFolder, QDir::Files, QDirIterator::Subdirectories);
    while (shipped.hasNext()) {
        const QString from = shipped.next();
        const QString name = source.relativeFilePath(from);
        const QString to = file(name);
        if (!here.contains(name) && !QFileInfo::exists(to)) {
            filled = QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to) &&
                     QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner) &&
                     filled;
        }
    }
    return filled;
}
