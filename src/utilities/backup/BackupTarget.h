#pragma once

#include <QString>

// The rules that decide whether the backup window may start: what its caller asked for and which
// folder is chosen.
namespace BackupTarget {

constexpr int kBackUpToDo = 30;
constexpr int kRestoreToDo = 31;
constexpr int kBackUpYear = 32;
constexpr int kRestoreYear = 33;
constexpr int kBackupMode = 0;
constexpr int kRestoreMode = 99;

// A request the window can serve: a kind from 30 to 33 with the mode that goes with it (0 for a
// backup, 99 for a restore), and for a planner year a year that names a year file.
bool isValidRequest(int kind, int mode, double year);
// The planner year handed over, rounded to a whole number.
int yearOf(double signalValue);

// Whether folder is the program folder itself, also when reached through a link or written with
// a trailing slash: a backup there would overwrite what it copies.
bool isProgramFolder(const QString& folder, const QString& programFolder);

// The folder as the backup names its files: ending in "/".
QString withSlash(const QString& folder);

} // namespace BackupTarget
