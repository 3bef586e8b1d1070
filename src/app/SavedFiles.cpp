#include "SavedFiles.h"

#include "BirthyearFile.h"
#include "CustomDictionary.h"
#include "FamilyNamesFile.h"
#include "HallOfFame.h"
#include "SettingsFile.h"
#include "ToDoFiles.h"
#include "YearFile.h"

#include <QStringList>

bool isSavedFile(const QString& name) {
    static const QStringList saved = {
        settingsFileName(SettingsFile::GColor1),
        settingsFileName(SettingsFile::GColor2),
        settingsFileName(SettingsFile::GColor3),
        settingsFileName(SettingsFile::HINV3),
        settingsFileName(SettingsFile::SWR2),
        FamilyNamesFile::kFileName,
        BirthyearFile::kFileName,
        HallOfFame::kFileName,
        ToDoFiles::kGridFile,
        ToDoFiles::kNamesFile,
        CustomDictionary::kFileName,
        // Copying a file (a shipped file into the folder, a damaged to-do file beside itself)
        // writes under this name where the file system cannot make a nameless file.
        "qt_temp",
    };
    return saved.contains(name, Qt::CaseInsensitive) || YearFile::isFileName(name);
}
