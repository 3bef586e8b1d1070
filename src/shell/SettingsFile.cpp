#include "SettingsFile.h"

RecordFile settingsFile(const ProgramFolder& folder, SettingsFile which) {
    switch (which) {
    case SettingsFile::GColor1:
        return {folder.file("GColor1.Fil"), 20};
    case SettingsFile::GColor2:
        return {folder.file("GColor2.Fil"), 20};
    case SettingsFile::GColor3:
        return {folder.file("GColor3.Fil"), 20};
    case SettingsFile::HINV3:
        return {folder.file("HINV3.Fil"), 10};
    case SettingsFile::SWR2:
        break;
    }
    return {folder.file("SWR2.BMP"), 20};
}
