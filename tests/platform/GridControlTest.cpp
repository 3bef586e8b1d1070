#include "GridControl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// A 5-column grid with a heading row, as the report tables use it.
class GridControlTest : public ::testing::Test {
protected:
    GridControlTest() {
        grid.resize(400, 120);
        grid.setCols(5);
        grid.setRows(4);
    }

    void fill(int row) {
        for (int col = 0; col < grid.cols(); ++col) {
            grid.setRow(row);
            grid.setCol(col);
            grid.setText(QString("%1,%2").arg(row).arg(col));
        }
    }

    GridControl grid;
};

TEST_F(GridControlTest, LoweringTheRowsDropsTheirTextsAndRaisingAddsEmptyRows) {
    fill(3);
    grid.setRows(3);
    grid.setRows(5);
    EXPECT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.textMatrix(3, 2), "");
    fill(2);
    grid.setCols(2);
    grid.setCols(5);
    EXPECT_EQ(grid.textMatrix(2, 1), "2,1");
    EXPECT_EQ(grid.textMatrix(2, 4), "");
}

TEST_F(GridControlTest, TheCurrentCellChoosesWhatTheTextReadsAndWrites) {
    grid.setRow(2);
    grid.setCol(3);
    grid.setText("Perfect");
    EXPECT_EQ(grid.textMatrix(2, 3), "Perfect");
    // A row or column outside the table is refused: the current cell stays.
    grid.setRow(4);
    grid.setCol(-1);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(grid.text(), "Perfect");
    EXPECT_EQ(grid.textMatrix(9, 9), "");
    // Dropping the current row moves it to the last row that is left.
    grid.setRows(2);
    EXPECT_EQ(grid.row(), 1);
}

TEST_F(GridControlTest, ARowIsFilledFromOneTabSeparatedText) {
    struct Case {
        QString text;
        QStringList cells;
    };
    const Case cases[] = {
        {"CORRECT:\tTHE\tLEAVES\tFALL\tNOW", {"CORRECT:", "THE", "LEAVES", "FALL", "NOW"}},
        {"YOUR ENTRIES:\tthe", {"YOUR ENTRIES:", "the", "", "", ""}},
        {"a\tb\tc\td\te\tf\tg", {"a", "b", "c", "d", "e"}},
        {"", {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        grid.setRowText(1, "x\tx\tx\tx\tx");
        grid.setRowText(1, c.text);
        QStringList cells;
        for (int col = 0; col < grid.cols(); ++col) {
            cells.append(grid.textMatrix(1, col));
        }
        EXPECT_EQ(cells, c.cells) << c.text.toStdString();
    }
}

TEST_F(GridControlTest, ColumnWidthsAndAlignmentsAreKeptPerColumn) {
    const int share = int(grid.widthTwips() * 0.2);
    EXPECT_EQ(grid.widthTwips(), 6000); // 400 pixels at 96 dpi
    grid.setColWidth(4, share);
    grid.setColAlignment(0, GridControl::RightCentre);
    grid.setFixedAlignment(0, GridControl::Centre);
    EXPECT_EQ(grid.colWidth(4), 1200);
    EXPECT_EQ(grid.colAlignment(0), GridControl::RightCentre);
    EXPECT_EQ(grid.fixedAlignment(0), GridControl::Centre);
    EXPECT_EQ(grid.colAlignment(1), GridControl::LeftCentre);
}

TEST_F(GridControlTest, HeadingRowsAndColumnsStayInPlaceWhileTheRestScrolls) {
    grid.setRows(40);
    grid.setColWidth(0, 1500);
    grid.setFixedCols(1);
    grid.verticalScrollBar()->setValue(10);
    const int rowHeight = grid.fontMetrics().height() + 6;
    EXPECT_EQ(grid.rowAt(rowHeight / 2), 0);
    EXPECT_EQ(grid.rowAt(rowHeight + rowHeight / 2), 11);
    grid.setColWidth(1, 4000);
    grid.setColWidth(2, 4000);
    grid.horizontalScrollBar()->setValue(1);
    EXPECT_EQ(grid.colAt(5), 0);
    EXPECT_EQ(grid.colAt(105), 2);
}

TEST_F(GridControlTest, APictureShowsBehindTheCellsUntilRemoved) {
    QTemporaryDir folder;
    const QString good = folder.filePath("wp1.bmp");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(good));
    EXPECT_FALSE(grid.setPicture(folder.filePath("missing.bmp")));
    EXPECT_FALSE(grid.hasPicture());
    EXPECT_TRUE(grid.setPicture(good));
    grid.setBackColour(Qt::white);
    EXPECT_EQ(grid.viewport()->grab().toImage().pixelColor(200, 110), QColor(Qt::red));
    grid.removePicture();
    EXPECT_EQ(grid.viewport()->grab().toImage().pixelColor(200, 110), QColor(Qt::white));
}

TEST_F(GridControlTest, TheRowTipHandlerNamesTheRowUnderThePointer) {
    QList<int> asked;
    grid.setRowTipHandler([&](int row) {
        asked.append(row);
        return row == 2 ? QString("Dentist at 9") : QString();
    });
    grid.show();
    const int rowHeight = grid.fontMetrics().height() + 6;
    for (int row : {1, 2}) {
        const QPoint at(20, row * rowHeight + 2);
        QHelpEvent tip(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid.viewport(), &tip);
        EXPECT_EQ(QToolTip::isVisible(), row == 2);
    }
    EXPECT_EQ(QToolTip::text(), "Dentist at 9");
    EXPECT_EQ(asked, (QList<int>{1, 2}));
    QToolTip::hideText();
}

TEST_F(GridControlTest, ACellWrittenByItsAddressLeavesTheCurrentCellAlone) {
    grid.setRow(1);
    grid.setCol(1);
    grid.setTextMatrix(3, 4, "Swim");
    grid.setTextMatrix(4, 0, "outside");
    EXPECT_EQ(grid.textMatrix(3, 4), "Swim");
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.rows(), 4);
}

TEST_F(GridControlTest, DraggingTheScrollBarAsksTheTipOfTheFirstRowInView) {
    QList<int> asked;
    grid.setRowTipHandler([&](int row) {
        asked.append(row);
        return QString(" Row %1 ").arg(row);
    });
    grid.setRows(40);
    grid.show();
    QScrollBar* bar = grid.verticalScrollBar();
    bar->setValue(2); // scrolled from code: no tip
    EXPECT_TRUE(asked.isEmpty());
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    bar->setSliderDown(false);
    EXPECT_EQ(asked, (QList<int>{8}));
    EXPECT_EQ(QToolTip::text(), " Row 8 ");
    QToolTip::hideText();
}

} // namespace
