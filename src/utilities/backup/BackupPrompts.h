#pragma once

#include "Dialogs.h"

// The questions and messages that backups and restores of both kinds share.
namespace BackupPrompts {

// OK when a new blank disk is in the drive, Cancel to stop.
Dialogs::Answer AskForBlankDisk(Dialogs& dialogs);
// Names the disk to insert next; OK when it is in, Cancel to stop the backup.
Dialogs::Answer AskNextBackupDisk(Dialogs& dialogs, int diskNumber);
// The disk in the drive is the one just filled; OK once another is in, Cancel to stop.
Dialogs::Answer RefuseFilledDisk(Dialogs& dialogs);
void ShowBackupNotFound(Dialogs& dialogs);
// Yes to replace the program's files of the kind named (for example "To Do") with the backup.
Dialogs::Answer AskDeleteBeforeRestore(Dialogs& dialogs, const QString& familyWord);
// OK when the disk of that number is in the drive, Cancel to stop the restore.
Dialogs::Answer AskRestoreDisk(Dialogs& dialogs, int diskNumber);
void ShowRestoreNotCompleted(Dialogs& dialogs);
// The copy at path on the disk of that number is empty, cut short or damaged: the restore of the
// files named (for example "To Do") could not be completed and left them as they were.
void ShowCopyNotWhole(Dialogs& dialogs, const QString& path, int diskNumber,
                      const QString& familyWord);
// The copies at path on disks 1 to lastDisk are whole pieces but no whole backup together, and
// their disks do not say which one is short.
void ShowSetNotWhole(Dialogs& dialogs, const QString& path, int lastDisk,
                     const QString& familyWord);
// The medium stopped taking the backup in a way no other disk can mend.
void ShowBackupNotCompleted(Dialogs& dialogs);
// There is nothing to back up, or the file cannot be read: what says so.
void ShowNothingToBackUp(Dialogs& dialogs, const QString& text);

} // namespace BackupPrompts
