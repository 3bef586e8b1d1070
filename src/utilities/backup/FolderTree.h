#pragma once

#include <QTreeView>

// The folder list: a tree of folders that tells a screen reader of a move of its highlight only
// while it has the keyboard focus. A tree view tells of every move, a move made from code while
// the focus is elsewhere too, and numbers the folder as if its heading row showed: with the
// heading hidden, a screen reader is sent to the heading "Name" that is not there.
class FolderTree : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
