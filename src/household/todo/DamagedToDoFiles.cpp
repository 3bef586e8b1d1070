#include "DamagedToDoFiles.h"

#include "ToDoFiles.h"

#include <QDir>
#include <QFileInfo>

void DamagedToDoFiles::found(const QString& name, const QString& fault, const QString& shown,
                             const QString& replacedBy) {
    const QString path = folder_.file(name);
    const QString fileName = QFileInfo(path).fileName();
    const std::optional<QString> kept = ToDoFiles::keepDamaged(path);
    QString text = fileName + " is damaged: " + fault + ".\r" + shown + " ";
    if (kept) {
        text += replacedBy + " will replace the file; the damaged file is kept beside it as " +
                *kept + ".";
    } else {
        unkept_.insert(name);
        text += "The damaged file could not be kept beside it, so nothing will replace it until "
                "it can be: make room in " +
                folderText() + " or make that folder writable.";
    }
    dialogs_.message({text, title_, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
}

bool DamagedToDoFiles::mayReplace(const QString& name, const QString& what,
                                  const QString& stillThere) {
    if (!unkept_.contains(name) || ToDoFiles::keepDamaged(folder_.file(name))) {
        unkept_.remove(name);
        return true;
    }
    dialogs_.message({what + " could not be saved: the damaged " +
                          QFileInfo(folder_.file(name)).fileName() +
                          " could not be kept beside it first.\rMake room in " + folderText() +
                          " or make that folder writable, then try again. " + stillThere,
                      "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
    return false;
}

QString DamagedToDoFiles::folderText() const {
    return QDir::toNativeSeparators(folder_.path());
}
