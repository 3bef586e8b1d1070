#pragma once

#include "Dialogs.h"
#include "ProgramFolder.h"

#include <QSet>
#include <QString>

// The to-do files found damaged when they were read. Each is copied beside itself before anything
// replaces it, so that a save never makes the damage permanent: the person is told at once what
// is wrong, that the file is shown as far as it could be read, and where the original is kept.
// While no copy can be made, nothing may replace the file.
class DamagedToDoFiles {
public:
    // title: the window's, for its messages.
    DamagedToDoFiles(Dialogs& dialogs, const ProgramFolder& folder, QString title)
        : dialogs_(dialogs), folder_(folder), title_(std::move(title)) {}

    // The file is being read afresh: what was found before no longer counts.
    void reading(const QString& name) { unkept_.remove(name); }
    // Keeps the damaged file beside itself and says so, with the fault, what the window shows
    // ("The To Do List is shown as far as it could be read.") and what will replace the file
    // ("Saving it").
    void found(const QString& name, const QString& fault, const QString& shown,
               const QString& replacedBy);
    // Whether the file may be replaced now: always, unless it was found damaged and no copy of it
    // can be kept even now; then says that what (the thing being saved) could not be saved and
    // what the person still has (stillThere).
    bool mayReplace(const QString& name, const QString& what, const QString& stillThere);

private:
    QString folderText() const;

    Dialogs& dialogs_;
    const ProgramFolder& folder_;
    QString title_;
    QSet<QString> unkept_;
};
