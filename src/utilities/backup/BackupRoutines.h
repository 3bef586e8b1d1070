#pragma once

#include "BackupContext.h"

#include <QByteArray>
#include <QList>

#include <optional>

class Dialogs;

// The backups and restores of the to-do list's file and of a planner year file.
namespace BackupRoutines {

// What a backup copies, piece by piece: the to-do file's fields as lines, or the year's 431
// records. Nothing, after telling the person why, when there is no file to back up or it cannot
// be read; the medium is not touched before this.
std::optional<QList<QByteArray>> toDoPieces(Dialogs& dialogs, const ProgramFolder& folder);
std::optional<QList<QByteArray>> yearPieces(Dialogs& dialogs, const ProgramFolder& folder,
                                            int year);

BackupOutcome BackupToDoFile(BackupContext& context, const QList<QByteArray>& pieces);
BackupOutcome BackupYearFile(BackupContext& context, int year, const QList<QByteArray>& pieces);
RestoreOutcome RestoreToDoFile(BackupContext& context);
RestoreOutcome RestoreYearFile(BackupContext& context, int year);

// The to-do list's closing progress display: the bar runs full in about a second.
void PlayClosingProgress(BackupContext& context);

} // namespace BackupRoutines
