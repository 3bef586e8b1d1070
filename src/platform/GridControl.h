#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QPixmap>
#include <QStringList>

#include <functional>
#include <vector>

class QLineEdit;

// A table of plain-text cells addressed by row and column from 0. The first rows and columns can
// be fixed: they are drawn as headings and stay in place while the rest scrolls. Reads and writes
// of the current cell go to the cell chosen by row() and col(), as the classic grid did; widths
// are in twips.
class GridControl : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Cell alignments by their classic codes: the first digit's place left, centre or right, the
    // second top, middle or bottom. Only the codes below are used.
    enum Alignment { LeftCentre = 1, Centre = 4, RightCentre = 7 };

    explicit GridControl(QWidget* parent = nullptr);

    // Lowering the number of rows drops the rows beyond it with their texts; raising it adds empty
    // rows at the end. Columns likewise.
    void setRows(int rows);
    int rows() const { return int(cells_.size()); }
    void setCols(int cols);
    int cols() const { return cols_; }
    void setFixedRows(int rows);
    int fixedRows() const { return fixedRows_; }
    void setFixedCols(int cols);
    int fixedCols() const { return fixedCols_; }

    // The current cell; a value outside the table is refused and leaves it where it was.
    void setRow(int row);
    int row() const { return row_; }
    void setCol(int col);
    int col() const { return col_; }
    void setText(const QString& text);
    QString text() const;
    QString textMatrix(int row, int col) const;
    // Writes the cell at the given row and column without moving the current cell; a cell outside
    // the table is refused.
    void setTextMatrix(int row, int col, const QString& text);
    // Fills a row from one text whose cells are separated by tab characters, from column 0; cells
    // past the last column are dropped and columns past the text's last cell are emptied.
    void setRowText(int row, const QString& tabSeparated);

    void setColWidth(int col, int twips);
    int colWidth(int col) const;
    // The grid's own width in twips, from which the callers take shares for the columns.
    int widthTwips() const;
    void setColAlignment(int col, Alignment alignment);
    Alignment colAlignment(int col) const;
    void setFixedAlignment(int col, Alignment alignment);
    Alignment fixedAlignment(int col) const;

    void setBackColour(const QColor& colour);
    QColor backColour() const { return backColour_; }
    void setForeColour(const QColor& colour);
    QColor foreColour() const { return foreColour_; }

    // The picture shows behind the cells, stretched over the whole grid; a picture that cannot be
    // read is refused (false) and leaves the grid as it was. Removing it shows the back colour.
    bool setPicture(const QString& fileName);
    void removePicture();
    bool hasPicture() const { return !picture_.isNull(); }

    // Asked for the tip of a row just before the tip shows; the text it gives is shown, none when
    // it gives an empty text. The tip is asked for the row under a resting pointer, and while the
    // vertical scroll bar is dragged for the first scrolling row in view, shown beside the bar.
    void setRowTipHandler(std::function<QString(int row)> handler);

    // The row and column at a point of the grid's viewport, -1 outside the cells.
    int rowAt(int y) const;
    int colAt(int x) const;
    // A cell's place in the viewport, and whether any of it shows there (not scrolled away).
    QRect cellRect(int row, int col) const;
    bool cellInView(int row, int col) const;

signals:
    // A cell was clicked and became the current cell.
    void cellClicked(int row, int col);

protected:
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Every move of the current cell goes here, so that it is announced.
    void setCurrentCell(int row, int col);
    // A scrolling row or column above or left of those in view.
    bool rowScrolledAway(int row) const;
    bool colScrolledAway(int col) const;
    int rowHeight() const;
    int colPixels(int col) const;
    int rowTop(int row) const;
    int colLeft(int col) const;
    void updateScrollBars();
    void showScrollTip();

    std::vector<QStringList> cells_;
    int cols_ = 0;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    std::vector<int> colTwips_;
    std::vector<Alignment> colAlignment_;
    std::vector<Alignment> fixedAlignment_;
    QColor backColour_{Qt::white};
    QColor foreColour_{Qt::black};
    QPixmap picture_;
    std::function<QString(int)> rowTip_;

    // In-place editing, sorting and moving rows by the user, rows inserted and removed, colours
    // of single cells.
public:
    enum SortOrder { Ascending = 1, Descending = 2 };

    // 0: the cells are read only; 1: a key typed on the current cell opens its editor; 2: a
    // click opens it too.
    void setEditable(int setting);
    int editable() const { return editable_; }
    // The most characters the editor of a column takes; 0 for no limit.
    void setEditMaxLength(int col, int length);
    // Applied to every text the editor is given, typed or pasted, before it stands in the box.
    void setEditFilter(std::function<QString(const QString&)> filter);
    bool isEditing() const { return editor_ != nullptr && editorOpen_; }
    // Puts the edited text into its cell and closes the editor.
    void finishEdit();

    // A click on a header sorts by that column, first ascending, then in turn the other way,
    // with a mark in the header; a drag on a row's fixed cell moves the row. The headers are
    // reached from the keyboard too: Up on the first row makes the column's header current,
    // Left and Right go along the headers, Enter or Space sorts as the click does, and Down goes
    // back to the rows. The current row stays a row below the headers meanwhile.
    void setUserSortAndMove(bool allowed);
    bool headerCurrent() const { return headerCurrent_; }
    // Sorts the rows below the fixed ones by the texts of the column, without regard to case;
    // equal texts keep their order. Empty texts come first ascending.
    void sortRows(int col, SortOrder order);
    void removeRow(int row);        // the rows below move up; one row fewer
    void insertRow(int row);        // an empty row there, the rows below move down; one row more
    void moveRow(int from, int to); // the row taken out and put in at to
    // An invalid colour shows the grid's own background (or picture) again.
    void setCellBackColour(int row, int col, const QColor& colour);
    QColor cellBackColour(int row, int col) const;
    // Scrolls so that the cell is in view.
    void showCell(int row, int col);

signals:
    void afterEdit(int row, int col);
    // A key changed the editor's text.
    void editKeyTyped(int row, int col);
    void afterSort(int col, int order);
    void rowMoved(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void openEditor(const QString& text);
    // A header's click or key: ascending first, then in turn the other way.
    void sortByHeader(int col);
    void setHeaderCurrent(bool current);
    // A key while a header is current: every key stops there.
    void headerKey(int key);

    int editable_ = 0;
    std::vector<int> editMaxLength_;
    std::function<QString(const QString&)> editFilter_;
    QLineEdit* editor_ = nullptr;
    bool editorOpen_ = false;
    int editRow_ = -1;
    int editCol_ = -1;
    bool userSortAndMove_ = false;
    int sortCol_ = -1;
    SortOrder sortOrder_ = Ascending;
    int dragFrom_ = -1;
    bool headerCurrent_ = false;
    std::vector<std::vector<QColor>> cellBack_; // rows of column colours, grown when set
};
