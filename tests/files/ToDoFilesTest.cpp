#include "ToDoFiles.h"
#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray emptyLines(int count) {
    return QByteArray("\"\"\r\n").repeated(count);
}

TEST(ToDoGridFile, AlwaysWritesFifteenHundredQuotedLines) {
    EXPECT_EQ(ToDoFiles::writeGrid({}), emptyLines(1500));
    EXPECT_EQ(ToDoFiles::writeGrid({}).size(), 6000);

    const QByteArray written = ToDoFiles::writeGrid(
        {{"  Bank", "Monday - Jan 5, 04", ""}, {"Caf\u00e9", "", "Friday - Mar 27, 26"}});
    EXPECT_EQ(written, "\"  Bank\"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n"
                       "\"Caf\xe9\"\r\n\"\"\r\n\"Friday - Mar 27, 26\"\r\n" +
                           emptyLines(1494));
    // Reading gives back exactly what was written: blanks, the date's comma, the 8-bit letter.
    const ToDoFiles::Grid read = ToDoFiles::readGrid(written);
    EXPECT_EQ(read.fault, "");
    ASSERT_EQ(read.rows.size(), 500U);
    EXPECT_EQ(read.rows[0].item, "  Bank");
    EXPECT_EQ(read.rows[0].toDoDate, "Monday - Jan 5, 04");
    EXPECT_EQ(read.rows[1].item, "Caf\u00e9");
    EXPECT_EQ(read.rows[1].actualDate, "Friday - Mar 27, 26");
    EXPECT_EQ(ToDoFiles::writeGrid(read.rows), written);
}

// Every line is one field: a damaged line spoils its own cell and moves no other one, and the
// file is said to be damaged unless it is whole rows of quoted lines without control characters.
TEST(ToDoGridFile, DamagedFilesReadLineByLineAndSayWhatIsWrong) {
    const QString quoteLine = "line 2 (row 1) is not one text between double quotes";
    const QString controlLine = "line 2 (row 1) holds a control character";
    const struct {
        const char* name;
        QByteArray bytes;
        ToDoRow first;
        ToDoRow second;
        QString fault;
    } cases[] = {
        {"empty file", "", {}, {}, ""},
        {"fewer rows, lines ended by LF alone",
         "\"Bank\"\n\"d\"\n\"e\"\n\"Tax\"\n\"\"\n\"\"",
         {"Bank", "d", "e"},
         {"Tax", "", ""},
         ""},
        {"bytes 0x80 to 0x9F",
         "\"\x80\x81\x9f\"\r\n\"\"\r\n\"\"\r\n",
         {"\u20ac\u0081\u0178", "", ""},
         {},
         ""},
        {"a closing quote missing",
         "\"Bank\"\r\n\"Monday - Jan 5, 04\r\n\"\"\r\n\"Tax\"\r\n\"\"\r\n\"Tuesday - Jan 6, "
         "04\"\r\n",
         {"Bank", "Monday - Jan 5, 04", ""},
         {"Tax", "", "Tuesday - Jan 6, 04"},
         quoteLine},
        {"an opening quote missing",
         "\"Bank\"\r\nMonday - Jan 5, 04\"\r\n\"\"\r\n\"Tax\"\r\n",
         {"Bank", "Monday - Jan 5, 04", ""},
         {"Tax", "", ""},
         quoteLine},
        {"unquoted fields on one line",
         "\"Bank\"\r\nx, y\r\n\"\"\r\n",
         {"Bank", "x, y", ""},
         {},
         quoteLine},
        {"a quote inside a field",
         "\"Bank\"\r\n\"say \"hi\"\"\r\n\"\"\r\n",
         {"Bank", "say hi", ""},
         {},
         quoteLine},
        {"a carriage return inside a field",
         "\"Bank\"\r\n\"a\rb\"\r\n\"\"\r\n",
         {"Bank", "ab", ""},
         {},
         controlLine},
        {"a zero byte inside a field",
         QByteArray("\"Bank\"\r\n\"Mon\0day\"\r\n\"\"\r\n\"Tax\"\r\n\"\"\r\n\"\"\r\n", 38),
         {"Bank", "Monday", ""},
         {"Tax", "", ""},
         controlLine},
        {"a tab and a quote missing",
         "\"Bank\"\r\n\"a\tb\r\n\"\"\r\n",
         {"Bank", "ab", ""},
         {},
         controlLine},
        {"a control character after a quote missing",
         "\"Bank\r\n\"a\x01\"\r\n\"\"\r\n",
         {"Bank", "a", ""},
         {},
         "line 1 (row 1) is not one text between double quotes"},
        {"cut inside a line",
         "\"Bank\"\r\n\"\"\r\n\"\"\r\n\"Ta",
         {"Bank", "", ""},
         {"Ta", "", ""},
         "line 4 (row 2) is not one text between double quotes"},
        // 512 zeros can hold no more than 171 lines of three bytes.
        {"zeros after the last row",
         QByteArray("\"Bank\"\r\n\"\"\r\n\"\"\r\n") + QByteArray(512, '\0'),
         {"Bank", "", ""},
         {"", "", ""},
         "lines 4 (row 2) to 174 (row 58) were overwritten with zero bytes"},
        {"a carriage return turned into another control character",
         "\"Bank\"\x0b\n\"d\"\r\n\"e\"\r\n\"Tax\"\r\n\"\"\r\n\"\"\r\n",
         {"Bank", "d", "e"},
         {"Tax", "", ""},
         "line 1 (row 1) holds a control character"},
        {"a line feed turned into another control character",
         "\"Bank\"\r\n\"d\"\r\x0b\"e\"\r\n\"Tax\"\r\n\"\"\r\n\"\"\r\n",
         {"Bank", "d", "e"},
         {"Tax", "", ""},
         "line 2 (row 1) holds a control character"},
        {"a lone carriage return",
         "\"Bank\"\r\n\"d\"\r\"e\"\r\n\"Tax\"\r\n\"\"\r\n\"\"\r\n",
         {"Bank", "d", "e"},
         {"Tax", "", ""},
         "line 2 (row 1) holds a control character"},
        {"the last row cut short",
         "\"Bank\"\r\n\"d\"\r\n\"e\"\r\n\"Tax\"\r\n",
         {"Bank", "d", "e"},
         {"Tax", "", ""},
         "its last row is cut short"},
    };
    for (const auto& test : cases) {
        const ToDoFiles::Grid grid = ToDoFiles::readGrid(test.bytes);
        EXPECT_EQ(grid.fault, test.fault) << test.name;
        ASSERT_EQ(grid.rows.size(), 500U) << test.name;
        for (const auto& [row, expected] : {std::pair{0, test.first}, std::pair{1, test.second}}) {
            EXPECT_EQ(grid.rows[row].item, expected.item) << test.name;
            EXPECT_EQ(grid.rows[row].toDoDate, expected.toDoDate) << test.name;
            EXPECT_EQ(grid.rows[row].actualDate, expected.actualDate) << test.name;
        }
        EXPECT_EQ(grid.rows[499].item, "") << test.name;
    }
}

// A full list overwritten in place with zero bytes, as a disk may leave a file after a crash:
// every row the zeros did not reach is read where it was written, the text either side of them
// stays in its own cell, and the fault names the lines lost. Where the zeros hid lines, the rows
// after them are placed by the 1,500 lines a list has, which a file that also lost its last lines
// would not have: they are named as maybe out of place.
TEST(ToDoGridFile, ZeroBytesOverLineEndsMoveNoFieldIntoAnotherColumn) {
    std::vector<ToDoRow> rows;
    for (int row = 1; row <= 500; ++row) {
        rows.push_back({QString("Item %1").arg(row),
                        QString("Monday - Jan %1, 04").arg(row % 28 + 1),
                        row % 2 == 0 ? "Friday - Mar 27, 26" : ""});
    }
    const QByteArray written = ToDoFiles::writeGrid(rows);
    const struct {
        const char* name;
        // The zeros run from the first marker's position plus its offset to the second's (the
        // file's end when there is none).
        const char* fromMarker;
        int fromOffset;
        const char* toMarker;
        int toOffset;
        QString fault;
        int firstRow; // the rows the zeros reached, and what is read of them
        std::vector<ToDoRow> damagedRows;
    } cases[] = {
        {"from inside an item to inside a later row's item",
         "\"Item 7\"",
         3,
         "\"Item 9\"",
         4,
         "lines 19 (row 7) to 25 (row 9) were overwritten with zero bytes; rows 7 to 500 may be "
         "out of place",
         7,
         {{"It", "", ""}, {}, {"m 9", rows[8].toDoDate, rows[8].actualDate}}},
        {"whole lines and the next line's end",
         "\"Item 100\"",
         0,
         "\"Item 102\"",
         0,
         "lines 298 (row 100) to 303 (row 101) were overwritten with zero bytes; rows 100 to 500 "
         "may be out of place",
         100,
         {{}, {}, rows[101]}},
        {"to the file's end",
         "\"Item 498\"",
         3,
         nullptr,
         0,
         "lines 1492 (row 498) to 1500 (row 500) were overwritten with zero bytes",
         498,
         {{"It", "", ""}, {}, {}}},
        {"inside one line",
         "\"Item 250\"",
         3,
         "\"Item 250\"",
         6,
         "line 748 (row 250) holds a control character",
         250,
         {{"It250", rows[249].toDoDate, rows[249].actualDate}}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const qsizetype from = written.indexOf(test.fromMarker) + test.fromOffset;
        const qsizetype to =
            test.toMarker ? written.indexOf(test.toMarker) + test.toOffset : written.size();
        QByteArray damaged = written;
        damaged.replace(from, to - from, QByteArray(to - from, '\0'));
        ASSERT_EQ(damaged.size(), written.size());

        const ToDoFiles::Grid grid = ToDoFiles::readGrid(damaged);
        EXPECT_EQ(grid.fault.toStdString(), test.fault.toStdString());
        ASSERT_EQ(grid.rows.size(), 500U);
        for (int row = 1; row <= 500; ++row) {
            const qsizetype damagedIndex = row - test.firstRow;
            const bool reached =
                damagedIndex >= 0 && damagedIndex < qsizetype(test.damagedRows.size());
            const ToDoRow& expected =
                reached ? test.damagedRows[std::size_t(damagedIndex)] : rows[std::size_t(row - 1)];
            const ToDoRow& read = grid.rows[std::size_t(row - 1)];
            EXPECT_EQ(QStringList({read.item, read.toDoDate, read.actualDate}),
                      QStringList({expected.item, expected.toDoDate, expected.actualDate}))
                << "row " << row;
        }
    }
}

// Where the lines the zeros hid cannot be counted, or could not have been hidden at all, no row
// is moved to make the count come out: rows placed on a guess are named, the others stay where
// they were read.
TEST(ToDoGridFile, LinesHiddenUnderZerosAreNeverGuessed) {
    std::vector<ToDoRow> rows;
    for (int row = 1; row <= 500; ++row) {
        rows.push_back(
            {QString("Item %1").arg(row), QString("Monday - Jan %1, 04").arg(row % 28 + 1), ""});
    }
    const QByteArray written = ToDoFiles::writeGrid(rows);
    const auto zeroed = [](QByteArray bytes, const char* marker, int from, int to) {
        const qsizetype at = bytes.indexOf(marker);
        bytes.replace(at + from, to - from, QByteArray(to - from, '\0'));
        return bytes;
    };
    // Two runs that each can have held the six lines missing: which one did is not known.
    const QByteArray twoRuns = zeroed(zeroed(written, "\"Item 100\"", 3, 40), "\"Item 300\"", 3, 40)
                                   .left(written.indexOf("\"Item 499\""));
    // A file one line short, with one zero byte inside an item: one byte hides no line.
    const QByteArray oneByte = zeroed(written.left(written.size() - 4), "\"Item 10\"", 3, 4);
    const auto rowsFrom = [](int first, int last) {
        QList<int> list;
        for (int row = first; row <= last; ++row) {
            list << row;
        }
        return list;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QString fault;
        QList<int> damagedRows; // what the damage itself spoiled
        QList<int> unsureRows;
    } cases[] = {
        {"two runs of zeros",
         twoRuns,
         "lines 298 (row 100) to 310 (row 104) were overwritten with zero bytes; line 907 (row "
         "303) was overwritten with zero bytes; rows 100 to 500 may be out of place",
         {},
         rowsFrom(100, 500)},
        {"one line short, one zero byte",
         oneByte,
         "line 28 (row 10) holds a control character",
         {10, 500},
         {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const ToDoFiles::Grid grid = ToDoFiles::readGrid(test.bytes);
        EXPECT_EQ(grid.fault.toStdString(), test.fault.toStdString());
        EXPECT_EQ(grid.unsureRows, test.unsureRows);
        for (int row = 1; row <= 500; ++row) {
            if (test.damagedRows.contains(row) || test.unsureRows.contains(row)) {
                continue;
            }
            const ToDoRow& read = grid.rows[std::size_t(row - 1)];
            const ToDoRow& expected = rows[std::size_t(row - 1)];
            EXPECT_EQ(QStringList({read.item, read.toDoDate, read.actualDate}),
                      QStringList({expected.item, expected.toDoDate, expected.actualDate}))
                << "row " << row;
        }
    }
    EXPECT_EQ(ToDoFiles::readGrid(oneByte).rows[9].item, "Itm 10");
}

TEST(ToDoGridFile, ReadingStopsAfterFiveHundredRowsAndSaysSo) {
    QByteArray bytes;
    for (int row = 1; row <= 600; ++row) {
        bytes += ToDoFiles::quotedLine(QString("Item %1").arg(row)) + emptyLines(2);
    }
    const ToDoFiles::Grid grid = ToDoFiles::readGrid(bytes);
    ASSERT_EQ(grid.rows.size(), 500U);
    EXPECT_EQ(grid.rows[499].item, "Item 500");
    EXPECT_EQ(grid.fault, "it holds more than 500 rows");
}

TEST(ToDoCellText, KeepsOutWhatTheFilesCannotHold) {
    const struct {
        QString typed;
        QString kept;
    } cases[] = {
        {"Bank", "Bank"},
        {"  say \"hi\"", "  say hi"},
        {"tab\there", "tabhere"},
        {"two\r\nlines", "twolines"},
        {"Caf\u00e9 \u20ac", "Caf\u00e9 \u20ac"},
        {"\u4e2d\u6587 tea", "?? tea"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ToDoFiles::cellText(test.typed), test.kept) << test.typed.toStdString();
    }
}

TEST(ToDoNamesFile, NamesOneALineAndOneEmptyNameForNone) {
    EXPECT_EQ(ToDoFiles::writeNames({}), "\"\"\r\n");
    EXPECT_EQ(ToDoFiles::writeNames({"Bank", " Tax "}), "\"Bank\"\r\n\" Tax \"\r\n");
    EXPECT_EQ(ToDoFiles::readNames("\" Bank \"\r\n\"Tax\"\r\n").names,
              QStringList({"Bank", "Tax"}));
    EXPECT_EQ(ToDoFiles::readNames("\"\"\r\n").names, QStringList({""}));
    EXPECT_TRUE(ToDoFiles::readNames("").names.isEmpty());
    EXPECT_EQ(ToDoFiles::readNames("\"Bank\"\r\n").fault, "");
}

TEST(ToDoNamesFile, DamagedFilesReadLineByLineAndSayWhatIsWrong) {
    const ToDoFiles::Names cut = ToDoFiles::readNames("\"Bank\"\r\n\"Tax\r\n\"Rent\"\r\n");
    EXPECT_EQ(cut.names, QStringList({"Bank", "Tax", "Rent"}));
    EXPECT_EQ(cut.fault, "line 2 is not one name between double quotes");

    const ToDoFiles::Names zero =
        ToDoFiles::readNames(QByteArray("\"Bank\"\r\n\"T\0ax\"\r\n\"Rent\"\r\n", 24));
    EXPECT_EQ(zero.names, QStringList({"Bank", "Tax", "Rent"}));
    EXPECT_EQ(zero.fault, "line 2 holds a control character");

    QByteArray many;
    for (int name = 1; name <= 5100; ++name) {
        many += ToDoFiles::quotedLine(QString::number(name));
    }
    const ToDoFiles::Names names = ToDoFiles::readNames(many);
    EXPECT_EQ(names.names.size(), 5000);
    EXPECT_EQ(names.names.last(), "5000");
    EXPECT_EQ(names.fault, "it holds more than 5000 names");
}

// A damaged file is copied beside itself once; a later damage of other bytes gets a name of its
// own, so no kept copy is ever overwritten.
TEST(ToDoDamagedFile, IsKeptBesideItselfWithoutOverwritingAnEarlierCopy) {
    QTemporaryDir folder;
    const QString path = folder.filePath("TODOActv.FIL");
    const auto write = [](const QString& at, const QByteArray& bytes) {
        QFile file(at);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto read = [](const QString& at) {
        QFile file(at);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    write(path, "\"Bank\r\n");
    EXPECT_EQ(ToDoFiles::keepDamaged(path), "TODOActv.FIL.damaged");
    EXPECT_EQ(ToDoFiles::keepDamaged(path), "TODOActv.FIL.damaged");
    write(path, "\"Tax\r\n");
    EXPECT_EQ(ToDoFiles::keepDamaged(path), "TODOActv.FIL.damaged2");
    EXPECT_EQ(read(path + ".damaged"), "\"Bank\r\n");
    EXPECT_EQ(read(path + ".damaged2"), "\"Tax\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    write(path, "\"Rent\r\n");
    {
        const FullDisk full(2);
        EXPECT_EQ(ToDoFiles::keepDamaged(path), std::nullopt);
    }
}

} // namespace
