// The grid's in-place editor, the sorting and moving of rows, and the colours of single cells.
#include "GridControl.h"

#include "GridControlAccessible.h"
#include "StorableText.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QValidator>

#include <algorithm>
#include <numeric>

void GridControl::setEditable(int setting) {
    editable_ = std::clamp(setting, 0, 2);
    if (editable_ == 0) {
        finishEdit();
    }
}

void GridControl::setEditMaxLength(int col, int length) {
    if (col < 0) {
        return;
    }
    if (int(editMaxLength_.size()) <= col) {
        editMaxLength_.resize(std::size_t(col) + 1, 0);
    }
    editMaxLength_[std::size_t(col)] = std::max(length, 0);
}

void GridControl::setEditFilter(std::function<QString(const QString&)> filter) {
    editFilter_ = std::move(filter);
}

void GridControl::openEditor(const QString& text) {
    if (row_ < fixedRows_ || col_ < fixedCols_ || row_ >= rows() || col_ >= cols_) {
        return;
    }
    if (editor_ == nullptr) {
        editor_ = new QLineEdit(viewport());
        editor_->setFrame(false);
        editor_->setAccessibleName("Cell editor");
        connect(editor_, &QLineEdit::textEdited, this,
                [this] { emit editKeyTyped(editRow_, editCol_); });
        connect(editor_, &QLineEdit::editingFinished, this, &GridControl::finishEdit);
    }
    showCell(row_, col_);
    editRow_ = row_;
    editCol_ = col_;
    const int limit = col_ < int(editMaxLength_.size()) ? editMaxLength_[std::size_t(col_)] : 0;
    editor_->setMaxLength(limit > 0 ? limit : 32767);
    // The window's filter, then the files' code page, decide what any text typed, pasted or
    // dropped into the editor becomes.
    delete editor_->validator();
    StorableText::guard(*editor_, editFilter_);
    const QString filtered = editFilter_ ? editFilter_(text) : text;
    editor_->setText(filtered.left(limit > 0 ? limit : filtered.size()));
    editor_->setGeometry(cellRect(row_, col_));
    editorOpen_ = true;
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void GridControl::finishEdit() {
    if (!isEditing()) {
        return;
    }
    editorOpen_ = false;
    const int row = editRow_;
    const int col = editCol_;
    const QString text = editor_->text();
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
    if (row < rows() && col < cols_) {
        setTextMatrix(row, col, text);
        emit afterEdit(row, col);
    }
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    if (isEditing()) {
        // Keys sent to the grid itself while its editor is open are the editor's.
        QCoreApplication::sendEvent(editor_, event);
        return;
    }
    const int key = event->key();
    if (headerCurrent_) {
        headerKey(key);
        return;
    }
    const auto move = [this](int row, int col) {
        row = std::clamp(row, fixedRows_, std::max(rows() - 1, fixedRows_));
        col = std::clamp(col, fixedCols_, std::max(cols_ - 1, fixedCols_));
        if (row < rows() && col < cols_) {
            setCurrentCell(row, col);
            showCell(row, col);
            viewport()->update();
        }
    };
    switch (key) {
    case Qt::Key_Up:
        if (row_ <= fixedRows_ && userSortAndMove_ && fixedRows_ > 0) {
            setHeaderCurrent(true);
            return;
        }
        move(row_ - 1, col_);
        return;
    case Qt::Key_Down:
        move(row_ + 1, col_);
        return;
    case Qt::Key_Left:
        move(row_, col_ - 1);
        return;
    case Qt::Key_Right:
        move(row_, col_ + 1);
        return;
    case Qt::Key_PageUp:
        move(row_ - verticalScrollBar()->pageStep(), col_);
        return;
    case Qt::Key_PageDown:
        move(row_ + verticalScrollBar()->pageStep(), col_);
        return;
    case Qt::Key_F2:
        if (editable_ != 0) {
            openEditor(text());
            return;
        }
        break;
    default:
        break;
    }
    const QString typed = event->text();
    if (editable_ != 0 && !typed.isEmpty() && typed.at(0).isPrint()) {
        openEditor({});
        if (isEditing()) {
            editor_->insert(typed);
            emit editKeyTyped(editRow_, editCol_);
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void GridControl::setUserSortAndMove(bool allowed) {
    userSortAndMove_ = allowed;
    if (!allowed) {
        setHeaderCurrent(false);
    }
}

void GridControl::sortByHeader(int col) {
    const SortOrder order = col == sortCol_ && sortOrder_ == Ascending ? Descending : Ascending;
    sortRows(col, order);
    setCurrentCell(row_, col);
    emit afterSort(col, int(order));
}

void GridControl::setHeaderCurrent(bool current) {
    if (current == headerCurrent_) {
        return;
    }
    headerCurrent_ = current;
    viewport()->update();
    GridAccessibility::currentCellFocused(*this);
}

void GridControl::headerKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int col = col_ + (key == Qt::Key_Left ? -1 : 1);
        if (col >= fixedCols_ && col < cols_) {
            setCurrentCell(row_, col);
            showCell(row_, col);
            viewport()->update();
        }
        return;
    }
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        setHeaderCurrent(false);
        showCell(row_, col_);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        // The header stays current whatever cell the window makes current as it tidies the
        // sorted rows, so that the next key sorts the same column the other way.
        const int col = col_;
        sortByHeader(col);
        if (headerCurrent_) {
            setCurrentCell(row_, col);
        }
        return;
    }
    default:
        // Nothing is typed or edited in a header. Tab, shortcuts and the window's own keys have
        // been dealt with before a key reaches the grid.
        return;
    }
}

void GridControl::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update(); // the current cell's frame goes
}

void GridControl::sortRows(int col, SortOrder order) {
    if (col < 0 || col >= cols_ || rows() <= fixedRows_) {
        return;
    }
    finishEdit();
    std::vector<int> order_(std::size_t(rows() - fixedRows_));
    std::iota(order_.begin(), order_.end(), fixedRows_);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int compared = QString::compare(cells_[std::size_t(a)][col],
                                              cells_[std::size_t(b)][col], Qt::CaseInsensitive);
        return order == Ascending ? compared < 0 : compared > 0;
    });
    std::vector<QStringList> sorted(cells_.begin(), cells_.begin() + fixedRows_);
    std::vector<std::vector<QColor>> colours;
    for (int from : order_) {
        sorted.push_back(cells_[std::size_t(from)]);
    }
    if (!cellBack_.empty()) {
        cellBack_.resize(cells_.size());
        colours.assign(cellBack_.begin(), cellBack_.begin() + fixedRows_);
        for (int from : order_) {
            colours.push_back(cellBack_[std::size_t(from)]);
        }
        cellBack_ = std::move(colours);
    }
    cells_ = std::move(sorted);
    sortCol_ = col;
    sortOrder_ = order;
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
}

void GridControl::removeRow(int row) {
    if (row < 0 || row >= rows()) {
        return;
    }
    finishEdit();
    cells_.erase(cells_.begin() + row);
    if (row < int(cellBack_.size())) {
        cellBack_.erase(cellBack_.begin() + row);
    }
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
    setCurrentCell(std::min(row_, std::max(rows() - 1, 0)), col_);
}

void GridControl::insertRow(int row) {
    if (row < 0 || row > rows()) {
        return;
    }
    finishEdit();
    QStringList empty;
    for (int col = 0; col < cols_; ++col) {
        empty.append(QString());
    }
    cells_.insert(cells_.begin() + row, empty);
    if (row < int(cellBack_.size())) {
        cellBack_.insert(cellBack_.begin() + row, std::vector<QColor>());
    }
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
}

void GridControl::moveRow(int from, int to) {
    if (from < 0 || from >= rows() || to < 0 || to >= rows() || from == to) {
        return;
    }
    finishEdit();
    QStringList moved = cells_[std::size_t(from)];
    cells_.erase(cells_.begin() + from);
    cells_.insert(cells_.begin() + to, moved);
    if (!cellBack_.empty()) {
        cellBack_.resize(cells_.size());
        std::vector<QColor> colours = cellBack_[std::size_t(from)];
        cellBack_.erase(cellBack_.begin() + from);
        cellBack_.insert(cellBack_.begin() + to, colours);
    }
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
}

void GridControl::setCellBackColour(int row, int col, const QColor& colour) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) {
        return;
    }
    if (int(cellBack_.size()) <= row) {
        cellBack_.resize(std::size_t(row) + 1);
    }
    auto& colours = cellBack_[std::size_t(row)];
    if (int(colours.size()) <= col) {
        colours.resize(std::size_t(col) + 1);
    }
    colours[std::size_t(col)] = colour;
    viewport()->update();
}

QColor GridControl::cellBackColour(int row, int col) const {
    if (row < 0 || row >= int(cellBack_.size()) || col < 0) {
        return {};
    }
    const auto& colours = cellBack_[std::size_t(row)];
    return col < int(colours.size()) ? colours[std::size_t(col)] : QColor();
}

void GridControl::showCell(int row, int col) {
    if (row >= fixedRows_ && row < rows()) {
        QScrollBar* bar = verticalScrollBar();
        const int first = bar->value() + fixedRows_;
        const int visible = std::max(bar->pageStep(), 1);
        if (row < first) {
            bar->setValue(row - fixedRows_);
        } else if (row >= first + visible) {
            bar->setValue(row - fixedRows_ - visible + 1);
        }
    }
    if (col >= fixedCols_ && col < cols_) {
        QScrollBar* bar = horizontalScrollBar();
        if (col - fixedCols_ < bar->value()) {
            bar->setValue(col - fixedCols_);
        }
    }
    if (isEditing()) {
        editor_->setGeometry(cellRect(editRow_, editCol_));
    }
}

void GridControl::mouseReleaseEvent(QMouseEvent* event) {
    const int from = dragFrom_;
    dragFrom_ = -1;
    if (from < 0 || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const int to = rowAt(event->position().toPoint().y());
    if (to >= fixedRows_ && to != from) {
        moveRow(from, to);
        setCurrentCell(to, col_);
        emit rowMoved(from, to);
    }
}
