#pragma once

#include "BackupRoutines.h"
#include "FakePlatform.h"
#include "ProgramState.h"
#include "RecordingDisplay.h"
#include "YearFile.h"

#include <QFile>

#include <gtest/gtest.h>

// A program folder and a floppy drive with one blank disk in it.
class BackupFixture : public ::testing::Test {
protected:
    static constexpr int kYear = 2003;

    QByteArray programFile(const QString& name) const {
        QFile file(fake.file(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeProgramFile(const QString& name, const QByteArray& bytes) const {
        QFile file(fake.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray onDisk(int disk, const QString& name) const {
        return fake.medium.disks.at(disk).files.value(name, "<missing>");
    }

    // A to-do file as the to-do list saves it: items in the first rows, the rest of its 500 rows
    // empty.
    static QByteArray toDoFile(int items) {
        QByteArray bytes;
        for (int row = 1; row <= 500; ++row) {
            if (row > items) {
                bytes += "\"\"\r\n\"\"\r\n\"\"\r\n";
                continue;
            }
            bytes += "\"Item number " + QByteArray::number(row) + "\"\r\n";
            bytes += row % 2 == 0 ? "\"Monday - Jan 5, 04\"\r\n" : "\"\"\r\n";
            bytes += row % 3 == 0 ? "\"Friday - Feb 13, 04\"\r\n" : "\"\"\r\n";
        }
        return bytes;
    }

    // Saves days 1 to lastRecord of the year, each with its own entry.
    void writeYear(int lastRecord) const {
        for (int record = 1; record <= lastRecord; ++record) {
            YearFile::DayRecord day;
            day.times[0] = "9:00 AM";
            day.activities[0] = QString("Entry of record %1").arg(record);
            day.status = YearFile::kFull;
            ASSERT_TRUE(YearFile::write(fake.folder, kYear, record, day));
        }
    }

    // At every box whose text holds marker, the next disk of inserts goes into the drive.
    void insertAtPrompts(const QString& marker, QList<int> inserts) {
        fake.dialogs.onShow = [this, marker, inserts](const Dialogs::Message& box) mutable {
            if (box.text.contains(marker) && !inserts.isEmpty()) {
                fake.medium.insert(inserts.takeFirst());
            }
        };
    }

    BackupOutcome backUpToDo() {
        const auto pieces = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
        return pieces ? BackupRoutines::BackupToDoFile(context, *pieces)
                      : BackupOutcome::NotCompleted;
    }
    BackupOutcome backUpYear() {
        const auto pieces = BackupRoutines::yearPieces(fake.dialogs, fake.folder, kYear);
        return pieces ? BackupRoutines::BackupYearFile(context, kYear, *pieces)
                      : BackupOutcome::NotCompleted;
    }

    FakePlatform fake;
    ProgramState program{fake.platform};
    RecordingDisplay display;
    BackupContext context{program, fake.medium, fake.folder, display, fake.medium.folder};
};
