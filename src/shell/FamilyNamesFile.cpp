#include "FamilyNamesFile.h"

#include "RecordCodec.h"

namespace {

RecordFile namesFile(const ProgramFolder& folder) {
    return {folder.file(FamilyNamesFile::kFileName), FamilyNamesFile::kRecordLength};
}

} // namespace

QStringList FamilyNamesFile::read(const ProgramFolder& folder) {
    const RecordFile file = namesFile(folder);
    QStringList names;
    for (int record = 1; record <= kNames; ++record) {
        names.append(file.readText(record));
    }
    return names;
}

RecordFile::WriteResult FamilyNamesFile::write(const ProgramFolder& folder,
                                               const QStringList& names) {
    QList<QByteArray> records;
    for (const QString& name : names) {
        records.append(RecordCodec::text(name));
    }
    return namesFile(folder).writeRecords(1, records);
}
