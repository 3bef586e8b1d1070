#pragma once

#include "ProgramFolder.h"
#include "RecordCodec.h"
#include "RecordFile.h"

// The five settings files of the program folder; every window owns fixed records in them.
enum class SettingsFile {
    GColor1, // 20-byte text records
    GColor2, // 20-byte text records
    GColor3, // 20-byte text records
    HINV3,   // 10-byte records: 3 the background variant, 10 the side-toolbar flag
    SWR2,    // 20-byte records: 3, 4, 6 sound texts; 14 to 17 planner integers
};

const char* settingsFileName(SettingsFile which);
RecordFile settingsFile(const ProgramFolder& folder, SettingsFile which);
