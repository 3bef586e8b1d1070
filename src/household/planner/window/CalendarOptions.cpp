#include "CalendarOptions.h"

#include "RecordCodec.h"
#include "SettingsFile.h"

namespace {

constexpr int kFirstRecord = 14;

} // namespace

CalendarOptions CalendarOptions::read(const ProgramFolder& folder) {
    const RecordFile file = settingsFile(folder, SettingsFile::SWR2);
    CalendarOptions options;
    options.MonthsShown = file.readInteger(kFirstRecord);
    options.WeekNumbers = file.readInteger(kFirstRecord + 1);
    options.FirstWeekday = file.readInteger(kFirstRecord + 2);
    options.TodayShown = file.readInteger(kFirstRecord + 3);
    return options;
}

bool CalendarOptions::write(const ProgramFolder& folder) const {
    RecordFile file = settingsFile(folder, SettingsFile::SWR2);
    const QList<QByteArray> records = {
        RecordCodec::integer(qint16(MonthsShown)), RecordCodec::integer(qint16(WeekNumbers)),
        RecordCodec::integer(qint16(FirstWeekday)), RecordCodec::integer(qint16(TodayShown))};
    return file.writeRecords(kFirstRecord, records) == RecordFile::WriteResult::Written;
}

std::optional<CalendarOptions::PickerLayout> CalendarOptions::pickerLayout() const {
    if ((MonthsShown != 0 && MonthsShown != 1) || (WeekNumbers != 0 && WeekNumbers != 1)) {
        return std::nullopt;
    }
    return PickerLayout{MonthsShown + 1, WeekNumbers == 0, WeekNumbers == 0 ? 100 : 400};
}
