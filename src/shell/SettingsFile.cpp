#include "SettingsFile.h"

const char* settingsFileName(SettingsFile which) {
    switch (which) {
    case SettingsFile::GColor1:
        return "GColor1.Fil";
    case SettingsFile::GColor2:
        return "GColor2.Fil";
    case SettingsFile::GColor3:
        return "GColor3.Fil";
    case SettingsFile::HINV3:
        return "HINV3.Fil";
    case SettingsFile::SWR2:
        break;
    }
    return "SWR2.BMP";
}

RecordFile settingsFile(const ProgramFolder& folder, SettingsFile which) {
    return {folder.file(settingsFileName(which)), which == SettingsFile::HINV3 ? 10 : 20};
}
