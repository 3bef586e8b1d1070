#pragma once

#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QStringList>

#include <optional>

// QuotHof.Fil: for every quote and words-per-box setting the best two-panel result timed upwards,
// one 40-byte text record each (records 1 to 168), as NAME "#" ACC TIME: the holder's name (up to
// 8 characters), the accuracy right-aligned in three characters and the time taken ("1:23").
namespace HallOfFame {

inline constexpr const char* kFileName = "QuotHof.Fil";
inline constexpr int kRecords = 168;
inline constexpr int kRecordLength = 40;

// The record of quote (1 to 42) played with wordsPerBox (1 to 4).
int recordOf(int quote, int wordsPerBox);

// The entry without a holder: a blank name, "#", three blanks of accuracy, four of time.
QString emptyEntry();

struct Entry {
    QString name;     // may be empty for a holder who gave only blanks
    QString accuracy; // the three stored characters; three blanks: no holder
    QString time;
    bool hasHolder() const { return accuracy != "   "; }
};
// The entry a record's text holds; a text without "#", with an accuracy that is no number or a
// time without ":" reads as the empty entry.
Entry split(const QString& text);

// Whether a result (the report's accuracy and time texts) takes the place of the stored entry:
// any result takes an entry without a holder; otherwise it must be at least as accurate and at
// least as fast. A result without a readable time never qualifies.
bool qualifies(const Entry& stored, const QString& accuracyText, const QString& timeText);

// The name kept from a person's answer: "#" and control characters removed, leading blanks cut,
// in capitals, at most 8 characters, characters Windows-1252 cannot hold as "?".
QString holderName(const QString& answer);
// The entry written for a holder's answer and result.
QString entryFor(const QString& answer, const QString& accuracyText, const QString& timeText);

// The file in the program folder. Every call opens and closes it; a file that is missing or
// shorter than 168 records is completed with empty entries when it is next written.
class File {
public:
    explicit File(const ProgramFolder& folder);

    // The 168 entries' texts; records the file does not hold read as the empty entry. Nothing when
    // the file is there and cannot be read.
    std::optional<QStringList> readAll() const;
    std::optional<QString> read(int record) const;
    // Puts the empty entry into the records past the end of the file.
    RecordFile::WriteResult complete();
    RecordFile::WriteResult write(int record, const QString& entry);
    // The empty entry into all 168 records, in one replacement of the file.
    RecordFile::WriteResult deleteAll();

private:
    int recordsHeld() const;

    QString path_;
    RecordFile records_;
};

} // namespace HallOfFame
