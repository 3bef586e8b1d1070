#pragma once

#include <QString>
#include <QStringList>

// The remembered item names in the order they were remembered (the list shows them so). After
// the last name is deleted the list holds one empty name, which the next new name replaces.
class ItemNameList {
public:
    ItemNameList() = default;
    explicit ItemNameList(QStringList names) : names_(std::move(names)) {}

    const QStringList& names() const { return names_; }
    bool isEmpty() const { return names_.isEmpty(); }

    // Whether a name is known: upper-cased and with trailing blanks cut, both sides.
    bool contains(const QString& text) const;
    // Remembers the text as it stands; false when the list is full and it was dropped.
    bool append(const QString& text);
    // Removes the first name equal to the text, both upper-cased and trimmed; a blank text
    // matches only an empty name. False when none matched.
    bool remove(const QString& text);
    // The first name, in list order, that begins with the typed text (upper-cased, leading blanks
    // cut); empty when none does or nothing was typed.
    QString suggestion(const QString& typed) const;

private:
    QStringList names_;
};
