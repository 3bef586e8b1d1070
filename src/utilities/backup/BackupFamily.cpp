#include "BackupFamily.h"

#include "ToDoCopy.h"
#include "YearFile.h"

BackupFamily BackupFamily::toDo() {
    return {"ToDo",
            "DiskInfo.Tbk",
            "ToDoActv.Tb1",
            "Making To Do Backup Disk #",
            "Restoring To Do Files",
            "To Do",
            0,
            // Older backups of the list leave the shares unsaid.
            {ToDoCopy::kLines, false}};
}

BackupFamily BackupFamily::plannerYear(int year) {
    // The copy's name keeps the blank before the year that the year file's name has.
    return {"DPlan",
            QStringLiteral("Disk%1.Bbk").arg(year),
            QStringLiteral(" %1.Bb1").arg(year),
            "Making Daily Planner Backup Disk #",
            "Restoring Daily Planner Files",
            "Daily Planner",
            year,
            {YearFile::kLastRecord, true}};
}
