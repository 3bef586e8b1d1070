#include "BackupPrompts.h"

namespace {

constexpr const char* kBackupTitle = "Backup Disk";
constexpr const char* kRestoreTitle = "Restore Function";

} // namespace

Dialogs::Answer BackupPrompts::AskForBlankDisk(Dialogs& dialogs) {
    return dialogs.message({"Disk is either Full, or there is not enough room\r"
                            "remaining for the requested backup files!\r"
                            "Please Insert a New Blank Formatted\r"
                            "Backup Disk and then Click on OK.\r"
                            "CAUTION: Wait till Disk Drive light goes out and\r"
                            "Be sure New Disk is inserted before Clicking OK",
                            kBackupTitle, Dialogs::Icon::Information, Dialogs::Buttons::OkCancel});
}

Dialogs::Answer BackupPrompts::AskNextBackupDisk(Dialogs& dialogs, int diskNumber) {
    return dialogs.message({"Disk is Full.\rPlease Insert Backup Disk #" +
                                QString::number(diskNumber) +
                                "\rCAUTION: Wait till Disk Drive light goes out and Be sure New "
                                "Disk is inserted before Clicking OK",
                            kBackupTitle, Dialogs::Icon::Information, Dialogs::Buttons::OkCancel});
}

Dialogs::Answer BackupPrompts::RefuseFilledDisk(Dialogs& dialogs) {
    return dialogs.message({"This is the disk that was just filled. Please insert another blank "
                            "formatted disk.",
                            kBackupTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::OkCancel});
}

void BackupPrompts::ShowBackupNotFound(Dialogs& dialogs) {
    dialogs.message({"Unable to find Backup Disk or Location containing requested files!\r"
                     "Please insert another backup Disk into selected Drive and Try again.",
                     "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

Dialogs::Answer BackupPrompts::AskDeleteBeforeRestore(Dialogs& dialogs, const QString& familyWord) {
    return dialogs.message({"This utility will first Delete all existing " + familyWord +
                                " files\rlocated in Korvane Program!\r\rProceed?",
                            "Delete Files", Dialogs::Icon::Question,
                            Dialogs::Buttons::YesNoCancelDefaultNo});
}

Dialogs::Answer BackupPrompts::AskRestoreDisk(Dialogs& dialogs, int diskNumber) {
    return dialogs.message({"Please insert Backup Disk #" + QString::number(diskNumber),
                            kRestoreTitle, Dialogs::Icon::Information, Dialogs::Buttons::OkCancel});
}

void BackupPrompts::ShowRestoreNotCompleted(Dialogs& dialogs) {
    dialogs.message({"The restore was not completed. The existing files were left unchanged.",
                     "Restore Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void BackupPrompts::ShowCopyNotWhole(Dialogs& dialogs, const QString& path, int diskNumber,
                                     const QString& familyWord) {
    dialogs.message({"The backup copy " + path + " on Backup Disk #" + QString::number(diskNumber) +
                         " is empty, cut short or damaged, so the restore could not be "
                         "completed.\rThe existing " +
                         familyWord +
                         " files in Korvane Program were left unchanged.\r"
                         "Please restore from a complete backup, or make the backup again.",
                     "Restore Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void BackupPrompts::ShowSetNotWhole(Dialogs& dialogs, const QString& path, int lastDisk,
                                    const QString& familyWord) {
    dialogs.message({"The backup copies " + path + " on Backup Disks #1 to #" +
                         QString::number(lastDisk) +
                         " are not a whole backup, and the disks do not say which copy is short, "
                         "so the restore could not be completed.\rThe existing " +
                         familyWord +
                         " files in Korvane Program were left unchanged.\r"
                         "Please restore from a complete backup, or make the backup again.",
                     "Restore Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void BackupPrompts::ShowBackupNotCompleted(Dialogs& dialogs) {
    dialogs.message({"The backup disk could not be written, so the backup is not complete.\r"
                     "Please check the disk or location and make the backup again.",
                     kBackupTitle, Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

void BackupPrompts::ShowNothingToBackUp(Dialogs& dialogs, const QString& text) {
    dialogs.message({text, kBackupTitle, Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}
