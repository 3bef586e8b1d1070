#pragma once

#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QStringList>

// FNames.Fil: the eighteen family names that the matching game can play with, one per 128-byte
// record (records 1 to 18), each a text with its 2-byte length in front.
namespace FamilyNamesFile {

inline constexpr const char* kFileName = "FNames.Fil";
inline constexpr int kNames = 18;
inline constexpr int kRecordLength = 128;
inline constexpr int kLongestName = kRecordLength - 2;

// Names 1 to 18; a missing file is created empty and its names read as empty texts. A damaged
// record whose length says more than its record holds reads as the characters the record holds.
QStringList read(const ProgramFolder& folder);

// Writes all eighteen names in one replacement of the file: the old names stay whole when the
// write fails.
RecordFile::WriteResult write(const ProgramFolder& folder, const QStringList& names);

} // namespace FamilyNamesFile
