#include "BackupTarget.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

// The planner's years have four digits: the year file's name holds them after its blank.
constexpr int kFirstYear = 1000;
constexpr int kLastYear = 9999;

QString canonical(const QString& folder) {
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : resolved;
}

} // namespace

bool BackupTarget::isValidRequest(int kind, int mode, double year) {
    switch (kind) {
    case kBackUpToDo:
        return mode == kBackupMode;
    case kRestoreToDo:
        return mode == kRestoreMode;
    case kBackUpYear:
    case kRestoreYear:
        return mode == (kind == kBackUpYear ? kBackupMode : kRestoreMode) && std::isfinite(year) &&
               yearOf(year) >= kFirstYear && yearOf(year) <= kLastYear;
    default:
        return false;
    }
}

int BackupTarget::yearOf(double signalValue) {
    if (!std::isfinite(signalValue) || std::abs(signalValue) > 32767) {
        return 0;
    }
    return int(std::lround(signalValue));
}

bool BackupTarget::isProgramFolder(const QString& folder, const QString& programFolder) {
    return canonical(folder) == canonical(programFolder);
}

QString BackupTarget::withSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}
