#include "GridControl.h"

#include "GridControlAccessible.h"
#include "Twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultColTwips = 960;
constexpr int kCellMargin = 3;

Qt::Alignment toQt(GridControl::Alignment alignment) {
    switch (alignment) {
    case GridControl::LeftCentre:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case GridControl::RightCentre:
        return Qt::AlignRight | Qt::AlignVCenter;
    case GridControl::Centre:
        break;
    }
    return Qt::AlignCenter;
}

} // namespace

GridControl::GridControl(QWidget* parent) : QAbstractScrollArea(parent) {
    GridAccessibility::install();
    setCols(2);
    setRows(2);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this] { showScrollTip(); });
}

void GridControl::setRows(int rows) {
    cells_.resize(std::size_t(std::max(rows, 0)), QStringList());
    for (auto& row : cells_) {
        while (row.size() < cols_) {
            row.append(QString());
        }
    }
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
    setCurrentCell(std::min(row_, std::max(this->rows() - 1, 0)), col_);
}

void GridControl::setCols(int cols) {
    cols_ = std::max(cols, 0);
    for (auto& row : cells_) {
        while (row.size() < cols_) {
            row.append(QString());
        }
        while (row.size() > cols_) {
            row.removeLast();
        }
    }
    colTwips_.resize(std::size_t(cols_), kDefaultColTwips);
    colAlignment_.resize(std::size_t(cols_), LeftCentre);
    fixedAlignment_.resize(std::size_t(cols_), LeftCentre);
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
    setCurrentCell(row_, std::min(col_, std::max(cols_ - 1, 0)));
}

void GridControl::setFixedRows(int rows) {
    fixedRows_ = std::clamp(rows, 0, this->rows());
    headerCurrent_ = headerCurrent_ && fixedRows_ > 0;
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
}

void GridControl::setFixedCols(int cols) {
    fixedCols_ = std::clamp(cols, 0, cols_);
    updateScrollBars();
    viewport()->update();
    GridAccessibility::shapeChanged(*this);
}

void GridControl::setRow(int row) {
    if (row >= 0 && row < rows()) {
        setCurrentCell(row, col_);
    }
}

void GridControl::setCol(int col) {
    if (col >= 0 && col < cols_) {
        setCurrentCell(row_, col);
    }
}

void GridControl::setCurrentCell(int row, int col) {
    if (row == row_ && col == col_) {
        return;
    }
    row_ = row;
    col_ = col;
    GridAccessibility::currentCellFocused(*this);
}

void GridControl::setText(const QString& text) {
    setTextMatrix(row_, col_, text);
}

QString GridControl::text() const {
    return textMatrix(row_, col_);
}

QString GridControl::textMatrix(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) {
        return {};
    }
    return cells_[std::size_t(row)][col];
}

void GridControl::setTextMatrix(int row, int col, const QString& text) {
    if (row >= 0 && row < rows() && col >= 0 && col < cols_) {
        cells_[std::size_t(row)][col] = text;
        viewport()->update();
        GridAccessibility::textsChanged(*this, row, col, row, col);
    }
}

void GridControl::setRowText(int row, const QString& tabSeparated) {
    if (row < 0 || row >= rows()) {
        return;
    }
    const QStringList parts = tabSeparated.split('\t');
    QStringList& cells = cells_[std::size_t(row)];
    for (int col = 0; col < cols_; ++col) {
        cells[col] = col < parts.size() ? parts[col] : QString();
    }
    viewport()->update();
    GridAccessibility::textsChanged(*this, row, 0, row, cols_ - 1);
}

void GridControl::setColWidth(int col, int twips) {
    if (col >= 0 && col < cols_) {
        colTwips_[std::size_t(col)] = std::max(twips, 0);
        updateScrollBars();
        viewport()->update();
    }
}

int GridControl::colWidth(int col) const {
    return col >= 0 && col < cols_ ? colTwips_[std::size_t(col)] : 0;
}

int GridControl::widthTwips() const {
    return Twips::fromPixelsRounded(width());
}

void GridControl::setColAlignment(int col, Alignment alignment) {
    if (col >= 0 && col < cols_) {
        colAlignment_[std::size_t(col)] = alignment;
        viewport()->update();
    }
}

GridControl::Alignment GridControl::colAlignment(int col) const {
    return col >= 0 && col < cols_ ? colAlignment_[std::size_t(col)] : LeftCentre;
}

void GridControl::setFixedAlignment(int col, Alignment alignment) {
    if (col >= 0 && col < cols_) {
        fixedAlignment_[std::size_t(col)] = alignment;
        viewport()->update();
    }
}

GridControl::Alignment GridControl::fixedAlignment(int col) const {
    return col >= 0 && col < cols_ ? fixedAlignment_[std::size_t(col)] : LeftCentre;
}

void GridControl::setBackColour(const QColor& colour) {
    backColour_ = colour;
    viewport()->update();
}

void GridControl::setForeColour(const QColor& colour) {
    foreColour_ = colour;
    viewport()->update();
}

bool GridControl::setPicture(const QString& fileName) {
    QPixmap picture;
    if (!picture.load(fileName)) {
        return false;
    }
    picture_ = picture;
    viewport()->update();
    return true;
}

void GridControl::removePicture() {
    picture_ = QPixmap();
    viewport()->update();
}

void GridControl::setRowTipHandler(std::function<QString(int)> handler) {
    rowTip_ = std::move(handler);
}

// While the bar is dragged the tip names the first row that scrolls, now at the top of the rows.
void GridControl::showScrollTip() {
    const int row = fixedRows_ + verticalScrollBar()->sliderPosition();
    const QString tip = row < rows() && rowTip_ ? rowTip_(row) : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int sliderY = bar->maximum() > 0 ? bar->height() * bar->sliderPosition() /
                                                 (bar->maximum() + bar->pageStep())
                                           : 0;
    QToolTip::showText(bar->mapToGlobal(QPoint(0, sliderY)), tip, bar);
}

int GridControl::rowHeight() const {
    return fontMetrics().height() + 2 * kCellMargin;
}

int GridControl::colPixels(int col) const {
    return Twips::toPixels(colTwips_[std::size_t(col)]);
}

// Fixed rows stand at the top; the others start below them, moved up by the scroll position.
int GridControl::rowTop(int row) const {
    if (row < fixedRows_) {
        return row * rowHeight();
    }
    return (row - verticalScrollBar()->value()) * rowHeight();
}

int GridControl::colLeft(int col) const {
    int left = 0;
    const int first = col < fixedCols_ ? 0 : fixedCols_ + horizontalScrollBar()->value();
    for (int c = 0; c < fixedCols_ && col >= fixedCols_; ++c) {
        left += colPixels(c);
    }
    for (int c = first; c < col; ++c) {
        left += colPixels(c);
    }
    return left;
}

bool GridControl::rowScrolledAway(int row) const {
    return row >= fixedRows_ && row < fixedRows_ + verticalScrollBar()->value();
}

bool GridControl::colScrolledAway(int col) const {
    return col >= fixedCols_ && col < fixedCols_ + horizontalScrollBar()->value();
}

QRect GridControl::cellRect(int row, int col) const {
    return {colLeft(col), rowTop(row), colPixels(col), rowHeight()};
}

bool GridControl::cellInView(int row, int col) const {
    return row >= 0 && row < rows() && col >= 0 && col < cols_ && !rowScrolledAway(row) &&
           !colScrolledAway(col) && cellRect(row, col).intersects(viewport()->rect());
}

int GridControl::rowAt(int y) const {
    for (int row = 0; row < rows(); ++row) {
        if (rowScrolledAway(row)) {
            continue;
        }
        const int top = rowTop(row);
        if (y >= top && y < top + rowHeight()) {
            return row;
        }
    }
    return -1;
}

int GridControl::colAt(int x) const {
    for (int col = 0; col < cols_; ++col) {
        if (colScrolledAway(col)) {
            continue;
        }
        const int left = colLeft(col);
        if (x >= left && x < left + colPixels(col)) {
            return col;
        }
    }
    return -1;
}

void GridControl::updateScrollBars() {
    const int visibleRows =
        std::max(viewport()->height() / std::max(rowHeight(), 1) - fixedRows_, 1);
    verticalScrollBar()->setRange(0, std::max(rows() - fixedRows_ - visibleRows, 0));
    verticalScrollBar()->setPageStep(visibleRows);
    // Scroll column by column until the last column is in view.
    int trailing = 0;
    int hidden = cols_ - fixedCols_;
    int fixedWidth = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        fixedWidth += colPixels(c);
    }
    for (int c = cols_ - 1; c >= fixedCols_; --c) {
        trailing += colPixels(c);
        if (fixedWidth + trailing > viewport()->width()) {
            break;
        }
        --hidden;
    }
    horizontalScrollBar()->setRange(0, std::max(hidden, 0));
}

void GridControl::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    if (picture_.isNull()) {
        painter.fillRect(area, backColour_);
    } else {
        painter.drawPixmap(area, picture_);
    }
    const QColor face = palette().color(QPalette::Button);
    const QColor lines = palette().color(QPalette::Mid);
    for (int row = 0; row < rows(); ++row) {
        if (rowScrolledAway(row)) {
            continue;
        }
        const int top = rowTop(row);
        if (top > area.bottom()) {
            break;
        }
        for (int col = 0; col < cols_; ++col) {
            if (colScrolledAway(col)) {
                continue;
            }
            const QRect cell = cellRect(row, col);
            if (cell.width() == 0 || cell.left() > area.right()) {
                continue;
            }
            const bool fixed = row < fixedRows_ || col < fixedCols_;
            if (fixed) {
                painter.fillRect(cell, face);
            } else if (const QColor own = cellBackColour(row, col); own.isValid()) {
                painter.fillRect(cell, own);
            }
            if (row < fixedRows_ && col == sortCol_) {
                // The sort mark: a small triangle at the header's right, pointing up ascending.
                const int size = std::max(rowHeight() / 4, 3);
                const QPoint tip(cell.right() - 2 * size,
                                 cell.center().y() + (sortOrder_ == Ascending ? -size : size) / 2);
                const int base = tip.y() + (sortOrder_ == Ascending ? size : -size);
                const QPoint mark[3] = {tip, QPoint(tip.x() - size, base),
                                        QPoint(tip.x() + size, base)};
                painter.setBrush(palette().color(QPalette::ButtonText));
                painter.setPen(Qt::NoPen);
                painter.drawPolygon(mark, 3);
                painter.setBrush(Qt::NoBrush);
            }
            painter.setPen(lines);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(fixed ? palette().color(QPalette::ButtonText) : foreColour_);
            const Alignment alignment = row < fixedRows_ ? fixedAlignment_[std::size_t(col)]
                                                         : colAlignment_[std::size_t(col)];
            painter.drawText(cell.adjusted(kCellMargin, 0, -kCellMargin, 0), int(toQt(alignment)),
                             cells_[std::size_t(row)][col]);
        }
    }
    const int focusRow = headerCurrent_ ? fixedRows_ - 1 : row_;
    if (hasFocus() && !isEditing() && focusRow >= 0 && focusRow < rows() &&
        !rowScrolledAway(focusRow) && !colScrolledAway(col_)) {
        // The keyboard's place: the current cell, or the header made current.
        const QRect current = cellRect(focusRow, col_);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(current.adjusted(1, 1, -1, -1));
    }
}

bool GridControl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // Only a key the cell editor left reaches the viewport: it ends here, or it would come on
        // to the grid as a key of its own, after the edit that key has just closed.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos().y());
        const QString tip = row >= 0 && rowTip_ ? rowTip_(row) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport());
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void GridControl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y());
    const int col = colAt(at.x());
    finishEdit();
    headerCurrent_ = false;
    if (event->button() == Qt::LeftButton && userSortAndMove_ && row >= 0 && col >= 0) {
        if (row < fixedRows_) {
            sortByHeader(col);
            return;
        }
        if (col < fixedCols_) {
            dragFrom_ = row;
            return;
        }
    }
    if (event->button() != Qt::LeftButton || row < fixedRows_ || col < fixedCols_) {
        event->ignore();
        return;
    }
    setCurrentCell(row, col);
    viewport()->update();
    emit cellClicked(row, col);
    if (editable_ == 2 && row_ == row && col_ == col) {
        openEditor(textMatrix(row, col));
    }
}

void GridControl::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update(); // the current cell's frame shows
    GridAccessibility::currentCellFocused(*this);
}

void GridControl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void GridControl::scrollContentsBy(int, int) {
    viewport()->update();
}
