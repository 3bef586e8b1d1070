#include "FolderTree.h"

void FolderTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus()) {
        QTreeView::currentChanged(current, previous);
        return;
    }
    // What the tree view adds is the screen reader's focus move (and the repaint of whole rows,
    // which this list, showing one column, does not use).
    QAbstractItemView::currentChanged(current, previous);
}
