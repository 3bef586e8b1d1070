#pragma once

#include "DiskInfoFile.h"

#include <QString>

// What sets the two kinds of backup apart: the to-do list's file, copied field by field, and a
// planner year file, copied record by record. Both leave a disk-information file on every disk.
struct BackupFamily {
    QString tag;            // record 1 of the disk information
    QString infoName;       // the disk information's name on the medium
    QString copyName;       // the copy's name on the medium
    QString diskCaption;    // the status while a disk is written, followed by its number
    QString restoreCaption; // the status while a restore copies
    QString restoreWord;    // names the files in the restore's question
    int year = 0;           // the planner's year; 0 for the to-do list
    DiskInfoFile::Shares shares;

    // Whether the copy is made of the year's 900-byte records, with their positions in the
    // disk information.
    bool plannerRecords() const { return year != 0; }

    static BackupFamily toDo();
    static BackupFamily plannerYear(int year);
};

// The to-do list's file in the program folder.
inline constexpr const char* kToDoFileName = "TODOActv.FIL";
