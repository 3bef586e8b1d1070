#pragma once

#include <QString>

// One row of the to-do grid as its cells show it: the item and its two dates.
struct ToDoRow {
    QString item;
    QString toDoDate;
    QString actualDate;
};
