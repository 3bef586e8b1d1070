#include "ItemNameList.h"

#include "RecordCodec.h"
#include "ToDoFiles.h"

bool ItemNameList::contains(const QString& text) const {
    const QString wanted = trimmedRight(text).toUpper();
    for (const QString& name : names_) {
        if (trimmedRight(name).toUpper() == wanted) {
            return true;
        }
    }
    return false;
}

bool ItemNameList::append(const QString& text) {
    if (names_.size() == 1 && names_.first().isEmpty()) {
        names_.first() = text;
        return true;
    }
    if (names_.size() >= ToDoFiles::kMaxNames) {
        return false;
    }
    names_.append(text);
    return true;
}

bool ItemNameList::remove(const QString& text) {
    const QString wanted = text.trimmed().toUpper();
    for (qsizetype slot = 0; slot < names_.size(); ++slot) {
        if (names_.at(slot).trimmed().toUpper() != wanted) {
            continue;
        }
        if (names_.size() == 1) {
            names_.first().clear();
        } else {
            names_.removeAt(slot);
        }
        return true;
    }
    return false;
}

QString ItemNameList::suggestion(const QString& typed) const {
    const QString start = ToDoFiles::leftTrimmed(typed).toUpper();
    if (start.isEmpty()) {
        return {};
    }
    for (const QString& name : names_) {
        if (name.left(start.size()).toUpper() == start) {
            return name;
        }
    }
    return {};
}
