// Thousands of damaged grid files, made from seeded random damage of the kinds a disk or a copy
// leaves: runs of zero bytes written over the file in place, line-end bytes turned into other
// control characters, line ends that lost their line feed, files cut off, and mixes of them.
#include "ToDoFiles.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// A damaged copy of a file, each byte with the place it had in the file (-1 when the damage
// wrote it).
struct DamagedBytes {
    QByteArray bytes;
    std::vector<qsizetype> origin;
};

struct GridFile {
    std::vector<ToDoRow> rows;
    QByteArray bytes;
    // Where each field's line starts and where its closing quote ends, by line.
    std::vector<std::pair<qsizetype, qsizetype>> fields;
    // Where each row's last line end ends.
    std::vector<qsizetype> rowEnds;
};

GridFile makeGrid(std::mt19937& random, int fill) {
    GridFile file;
    const QString days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const QString months[] = {"Jan", "Feb", "Mar", "Oct", "Nov", "Dec"};
    const int filledRows = fill == 1 ? int(random() % 501) : 500;
    for (int row = 1; row <= 500; ++row) {
        const bool filled = row <= filledRows && (fill != 2 || random() % 2 == 0);
        const auto date = [&]() {
            return random() % 3 == 0 ? QString()
                                     : days[random() % 5] + " - " + months[random() % 6] + " " +
                                           QString::number(random() % 28 + 1) + ", 0" +
                                           QString::number(random() % 10);
        };
        file.rows.push_back(filled ? ToDoRow{QString("Item %1").arg(row), date(), date()}
                                   : ToDoRow{});
    }
    file.bytes = ToDoFiles::writeGrid(file.rows);
    qsizetype at = 0;
    for (int line = 0; line < 1500; ++line) {
        const qsizetype end = file.bytes.indexOf("\"\r\n", at + 1) + 1;
        file.fields.push_back({at, end});
        at = end + 2;
        if (line % 3 == 2) {
            file.rowEnds.push_back(at);
        }
    }
    return file;
}

qsizetype pick(std::mt19937& random, qsizetype below) {
    return below <= 0 ? 0 : qsizetype(random() % quint64(below));
}

// Applies one random damage and says what it was.
std::string damage(std::mt19937& random, DamagedBytes& file) {
    const qsizetype size = file.bytes.size();
    const auto lineEndBytes = [&file](bool lineFeedAfterCr) {
        std::vector<qsizetype> at;
        for (qsizetype index = 0; index < file.bytes.size(); ++index) {
            const char c = file.bytes.at(index);
            if (lineFeedAfterCr
                    ? c == '\r' && index + 1 < file.bytes.size() && file.bytes.at(index + 1) == '\n'
                    : c == '\r' || c == '\n') {
                at.push_back(index);
            }
        }
        return at;
    };
    switch (random() % 7) {
    case 0:
    case 1:
    case 2: { // zeros written over a run of bytes
        const qsizetype from = pick(random, size);
        const qsizetype length = 1 + pick(random, random() % 4 == 0 ? 200 : 40);
        for (qsizetype index = from; index < std::min(size, from + length); ++index) {
            file.bytes[index] = '\0';
            file.origin[std::size_t(index)] = -1;
        }
        return "zeros at " + std::to_string(from) + " for " + std::to_string(length);
    }
    case 3:
    case 4: { // a line-end byte turned into another control character
        const std::vector<qsizetype> ends = lineEndBytes(false);
        if (ends.empty()) {
            return "nothing";
        }
        static const char controls[] = {'\x0b', '\x0c', '\x01', '\x1f', '\t', '\r', '\n', '\0'};
        const qsizetype at = ends[std::size_t(pick(random, qsizetype(ends.size())))];
        file.bytes[at] = controls[random() % sizeof(controls)];
        file.origin[std::size_t(at)] = -1;
        return "control at " + std::to_string(at);
    }
    case 5: { // a line end left a lone CR
        const std::vector<qsizetype> ends = lineEndBytes(true);
        if (ends.empty()) {
            return "nothing";
        }
        const qsizetype at = ends[std::size_t(pick(random, qsizetype(ends.size())))] + 1;
        file.bytes.remove(at, 1);
        file.origin.erase(file.origin.begin() + at);
        return "lone CR at " + std::to_string(at - 1);
    }
    default: { // cut off, often at a line end
        qsizetype at = pick(random, size);
        if (random() % 2 == 0) {
            const qsizetype lineEnd = file.bytes.indexOf('\n', at);
            at = lineEnd < 0 ? size : lineEnd + 1;
        }
        file.bytes.truncate(at);
        file.origin.resize(std::size_t(at));
        return "cut at " + std::to_string(at);
    }
    }
}

// Whether every character of part stands in whole, in order.
bool isPartOf(const QString& part, const QString& whole) {
    qsizetype at = 0;
    for (const QChar c : part) {
        at = whole.indexOf(c, at);
        if (at < 0) {
            return false;
        }
        ++at;
    }
    return true;
}

QString cell(const ToDoRow& row, int column) {
    return column == 0 ? row.item : column == 1 ? row.toDoDate : row.actualDate;
}

// Every field whose bytes the damage left whole is shown in its own cell, and every text shown is
// part of its own cell's field, unless its row is named as maybe out of place. The rows before
// the first damaged byte are read as written and not named.
TEST(ToDoGridDamage, EveryReadableFieldIsInItsOwnCellOrItsRowIsNamed) {
    std::mt19937 random(20261211);
    // Lists full, filled up to a row, and with empty rows between.
    std::vector<GridFile> files;
    for (int made = 0; made < 30; ++made) {
        files.push_back(makeGrid(random, made % 3));
    }
    for (int test = 0; test < 3'000; ++test) {
        const GridFile& file = files[std::size_t(test) % files.size()];
        DamagedBytes damaged{file.bytes, std::vector<qsizetype>(std::size_t(file.bytes.size()))};
        std::iota(damaged.origin.begin(), damaged.origin.end(), 0);
        std::string how;
        const int damages = 1 + int(random() % 4);
        for (int step = 0; step < damages; ++step) {
            how += damage(random, damaged) + "; ";
        }
        SCOPED_TRACE("file " + std::to_string(test) + ": " + how);

        const ToDoFiles::Grid grid = ToDoFiles::readGrid(damaged.bytes);
        ASSERT_EQ(grid.rows.size(), 500U);
        std::vector<bool> unsure(501);
        for (const int row : grid.unsureRows) {
            unsure[std::size_t(row)] = true;
        }
        const auto named = [&unsure](int row) { return bool(unsure[std::size_t(row)]); };
        std::vector<bool> kept(std::size_t(file.bytes.size()));
        for (const qsizetype origin : damaged.origin) {
            if (origin >= 0) {
                kept[std::size_t(origin)] = true;
            }
        }
        qsizetype firstDamaged = 0;
        while (firstDamaged < damaged.bytes.size() &&
               damaged.origin[std::size_t(firstDamaged)] == firstDamaged) {
            ++firstDamaged;
        }

        for (int line = 0; line < 1500; ++line) {
            const int row = line / 3 + 1;
            const ToDoRow& shownRow = grid.rows[std::size_t(row - 1)];
            const QString shown = cell(shownRow, line % 3);
            const QString written = cell(file.rows[std::size_t(row - 1)], line % 3);
            const auto [from, to] = file.fields[std::size_t(line)];
            const bool readable =
                std::all_of(kept.begin() + from, kept.begin() + to, [](bool k) { return k; });
            if (readable && shown != written) {
                ASSERT_TRUE(named(row)) << "line " << line + 1 << " shows \"" << shown.toStdString()
                                        << "\" for \"" << written.toStdString() << "\"";
            }
            if (!isPartOf(shown, written)) {
                ASSERT_TRUE(named(row)) << "line " << line + 1 << " shows \"" << shown.toStdString()
                                        << "\" for \"" << written.toStdString() << "\"";
            }
            if (file.rowEnds[std::size_t(row - 1)] <= firstDamaged) {
                ASSERT_FALSE(named(row)) << "row " << row;
                ASSERT_EQ(shown, written) << "line " << line + 1;
            }
        }
        EXPECT_EQ(grid.fault.contains("may be out of place"), !grid.unsureRows.isEmpty());
        if (damaged.bytes != file.bytes && damaged.bytes.size() == file.bytes.size()) {
            EXPECT_FALSE(grid.fault.isEmpty());
        }
    }
}

} // namespace
