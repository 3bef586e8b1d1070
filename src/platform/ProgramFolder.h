#pragma once

#include <QString>

// The folder that holds the program's shipped files, its settings and the user's data. Every file
// name the program uses is relative to it.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // $KORVANE_HOME when set, else korvane in the XDG data folder (~/.local/share/korvane); empty
    // when there is no home folder to put it in.
    static QString defaultPath();
    // What the person is told before the program ends when path (empty: none was found) cannot
    // be made or filled: the folder and what to set.
    static QString unusableMessage(const QString& path);

    const QString& path() const { return path_; }
    // The path of the file name in the folder. When no file has exactly that name, a file (or
    // folder on the way) whose name differs only in case is the one meant.
    QString file(const QString& name) const;

    // Creates the folder and copies in every file of shippedFolder that is missing here; a file
    // already here is never overwritten, so the user's edits survive an update. Returns false when
    // the folder cannot be made or a missing file cannot be copied in.
    bool install(const QString& shippedFolder) const;

private:
    QString path_;
};
