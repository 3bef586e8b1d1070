#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The small file beside every backup copy on each disk or folder: six records of 30 bytes, each
// one text with a 2-byte length. Record 1 names the family ("ToDo", "DPlan"), 2 this disk's
// number in the set, 3 the number of the disk that follows (the same number on the last disk),
// 4 the first piece of the copy (a planner year's record, a to-do list's line) that is not on
// this disk (one past the last on the last disk), 5 the planner's year, 6 the constant "T1".
// Numbers in records 2 and 3 are digits only; in 4 and 5 they follow one blank, as the sign's
// place. To-do sets of older backups leave record 4 empty: their disks do not say their shares.
namespace DiskInfoFile {

constexpr int kRecordLength = 30;
constexpr int kRecords = 6;
constexpr int kLength = kRecordLength * kRecords;
// No disk information file on a medium is read beyond this: a real one holds kLength bytes.
constexpr qint64 kReadLimit = 4'096;
// A record's text is at most this long: the rest of its 30 bytes is the length field.
constexpr int kLongestText = kRecordLength - 2;
constexpr int kLargestDiskNumber = 32767;

// What one write of the file holds; an absent value leaves its record empty.
struct Values {
    QString tag;
    std::optional<int> thisDisk;
    std::optional<int> nextDisk;
    std::optional<int> resumeRecord;
    std::optional<int> year; // planner only
};

// All six records, record 6 "T1" whatever the values: the file is written whole at its full
// length from the first write on, so later writes on a full disk need no room.
QByteArray encode(const Values& values);

// The disk information of a backup set, as a restore accepts it.
struct DiskInfo {
    QString tag;
    int thisDisk = 0;
    int nextDisk = 0;
    // The first piece not on this disk; 0 when the disk does not say.
    int resumeRecord = 0;
    // Whether no disk follows this one.
    bool isLast() const { return thisDisk == nextDisk; }
};

// How a family's disks record their shares: the pieces of a whole copy, and whether every set
// records them in record 4.
struct Shares {
    int pieces = 0;
    bool alwaysRecorded = false;
};

// Reads bytes as the disk information of a backup of family tag; nothing unless they are one:
// all six records there, no text longer than its record, the tag in record 1, disk numbers
// from 1 to 32767 in records 2 and 3 with record 3 this disk or the next, and in record 4 (unless
// empty where shares are not always recorded) a piece from 1 to one past the last, which is one
// past the last exactly on the last disk.
std::optional<DiskInfo> decode(const QByteArray& bytes, const QString& tag, Shares shares);

} // namespace DiskInfoFile
