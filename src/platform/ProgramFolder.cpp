#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

QString ProgramFolder::defaultPath() {
    const QString home = qEnvironmentVariable("KORVANE_HOME");
    if (!home.isEmpty()) {
        return home;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/korvane";
}

QString ProgramFolder::file(const QString& name) const {
    return QDir(path_).filePath(name);
}

bool ProgramFolder::install(const QString& shippedFolder) const {
    if (!QDir().mkpath(path_)) {
        return false;
    }
    const QDir source(shippedFolder);
    const QStringList present = QDir(path_).entryList(QDir::Files);
    const QSet<QString> here(present.begin(), present.end());
    QDirIterator shipped(shippedFolder, QDir::Files, QDirIterator::Subdirectories);
    while (shipped.hasNext()) {
        const QString from = shipped.next();
        const QString name = source.relativeFilePath(from);
        const QString to = file(name);
        if (!here.contains(name) && !QFileInfo::exists(to)) {
            QDir().mkpath(QFileInfo(to).path());
            // A copy that fails leaves the file missing; its window reports that when it loads.
            QFile::copy(from, to);
            QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
        }
    }
    return true;
}
