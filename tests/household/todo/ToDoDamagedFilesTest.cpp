#include "ToDoWindowFixture.h"

#include "FullDisk.h"

#include <QFileInfo>

#include <optional>

namespace {

QByteArray lines(const QStringList& fields) {
    QByteArray bytes;
    for (const QString& field : fields) {
        bytes += ToDoFiles::quotedLine(field);
    }
    return bytes;
}

QByteArray rowsOfItems(int count) {
    QStringList fields;
    for (int row = 1; row <= count; ++row) {
        fields << QString("Item %1 of the long list").arg(row) << ""
               << "";
    }
    return lines(fields);
}

// The bytes with zeros in place of those from the first of from up to the first of to after it.
QByteArray zeroed(QByteArray bytes, const char* from, const char* to) {
    const qsizetype start = bytes.indexOf(from);
    const qsizetype end = bytes.indexOf(to, start);
    return bytes.replace(start, end - start, QByteArray(end - start, '\0'));
}

const QString kGridDamaged = "TODOActv.FIL is damaged: ";
const QString kGridShown = ".\rThe To Do List is shown as far as it could be read. ";
const QString kGridKept =
    "Saving it will replace the file; the damaged file is kept beside it as TODOActv.FIL.damaged.";
const QString kGridDamagedFile = QString(ToDoFiles::kGridFile) + ".damaged";

} // namespace

// A closing quote missing, zero bytes over line ends and a file of 600 rows: the list shows every
// field in its own column as far as the file reads, the person is told, the damaged original is
// kept beside the file before anything replaces it, and the save then writes 500 whole rows.
TEST_F(ToDoWindowTest, ADamagedListIsShownAsFarAsItReadsAndKeptBesideTheFile) {
    const struct {
        const char* name;
        QByteArray bytes;
        QString fault;
        QStringList firstItems;  // rows 1 and 2 as loaded
        QString firstActualDate; // row 2's
        QString firstItemAfterSaving;
    } cases[] = {
        {"missing quote",
         "\"Bank\"\r\n\"Monday - Jan 5, 04\r\n\"\"\r\n\"Tax\"\r\n\"\"\r\n\"Tuesday - Jan 6, "
         "04\"\r\n" +
             lines(QStringList(1494, "")),
         "line 2 (row 1) is not one text between double quotes",
         {"Bank", "Tax"},
         "Tuesday - Jan 6, 04",
         "Tax"},
        {"zero bytes over line ends",
         zeroed(
             "\"Bank\"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n\"Tax\"\r\n\"\"\r\n\"Tuesday - Jan 6, "
             "04\"\r\n" +
                 lines(QStringList(1494, "")),
             "Jan 5", "x\""),
         // Placed by the 1,500 lines of a list: rows that would show other fields if the file had
         // also lost its last lines are named; the empty rows after them could show nothing else.
         "lines 2 (row 1) to 4 (row 2) were overwritten with zero bytes; rows 1 to 3 may be out of "
         "place",
         {"Bank", "x"},
         "Tuesday - Jan 6, 04",
         "x"},
        {"600 rows",
         rowsOfItems(600),
         "it holds more than 500 rows",
         {"Item 1 of the long list", "Item 2 of the long list"},
         "",
         "Item 2 of the long list"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QFile::remove(fake.file(kGridDamagedFile));
        writeFile(ToDoFiles::kGridFile, test.bytes);
        fake.dialogs.shown.clear();
        openToDo([&](ToDoWindow& toDo) {
            ASSERT_EQ(fake.dialogs.shown.size(), 1);
            EXPECT_EQ(fake.dialogs.shown[0].text,
                      kGridDamaged + test.fault + kGridShown + kGridKept);
            EXPECT_EQ(fake.dialogs.shown[0].title, "To Do List");
            EXPECT_EQ(QStringList({cell(toDo, 1, 1), cell(toDo, 2, 1)}), test.firstItems);
            EXPECT_EQ(cell(toDo, 2, 3), test.firstActualDate);
            EXPECT_EQ(readFile(kGridDamagedFile), test.bytes);
            // A change, saved on the way out: rows 2 on move up.
            clickCell(toDo, 1, 1);
            fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
            toDo.DeleteGridRow();
            fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
        });
        const ToDoFiles::Grid saved = ToDoFiles::readGrid(readFile(ToDoFiles::kGridFile));
        EXPECT_EQ(saved.fault, "");
        EXPECT_EQ(readFile(ToDoFiles::kGridFile).count("\r\n"), 1500);
        EXPECT_EQ(saved.rows[0].item, test.firstItemAfterSaving);
        EXPECT_EQ(saved.rows[0].actualDate, test.firstActualDate);
        EXPECT_EQ(readFile(kGridDamagedFile), test.bytes);
    }
}

TEST_F(ToDoWindowTest, ADamagedNamesFileIsKeptBesideBeforeTheNextNameReplacesIt) {
    const QByteArray damaged = "\"Bank\"\r\n\"Tax\r\n\"Rent\"\r\n";
    writeFile(ToDoFiles::kNamesFile, damaged);
    openToDo([&](ToDoWindow& toDo) {
        EXPECT_EQ(fake.dialogs.shownTexts(),
                  QStringList({"TODONAME.FIL is damaged: line 2 is not one name between double "
                               "quotes.\rThe remembered item names are shown as far as they could "
                               "be read. The next change to them will replace the file; the "
                               "damaged file is kept beside it as TODONAME.FIL.damaged."}));
        EXPECT_EQ(toDo.ItemNames.names(), QStringList({"Bank", "Tax", "Rent"}));
        typeInto(toDo.itemEntry[0], "Groceries");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
    EXPECT_EQ(readFile(ToDoFiles::kNamesFile), lines({"Bank", "Tax", "Rent", "Groceries"}));
    EXPECT_EQ(readFile(QString(ToDoFiles::kNamesFile) + ".damaged"), damaged);
}

// A disk too full for the copy: the save is refused, the damaged file stays byte for byte, and
// once there is room the copy is made and the save goes through.
TEST_F(ToDoWindowTest, WhileTheDamagedFileCannotBeKeptNothingReplacesIt) {
    const QByteArray damaged = rowsOfItems(600);
    writeFile(ToDoFiles::kGridFile, damaged);
    // Room for the 500 rows a save writes, not for the 600 of the copy.
    std::optional<FullDisk> disk(std::in_place, damaged.size() - 1);
    const QString folder = fake.folder.path();
    openToDo([&](ToDoWindow& toDo) {
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].text,
                  kGridDamaged + "it holds more than 500 rows" + kGridShown +
                      "The damaged file could not be kept beside it, so nothing will replace it "
                      "until it can be: make room in " +
                      folder + " or make that folder writable.");
        clickCell(toDo, 1, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
        toDo.DeleteGridRow();
        fake.dialogs.shown.clear();
        click(toDo.commandButtons[ToDoWindow::SaveButton]);
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].title, "Disk Error");
        EXPECT_EQ(fake.dialogs.shown[0].text,
                  "The To Do List could not be saved: the damaged TODOActv.FIL could not be kept "
                  "beside it first.\rMake room in " +
                      folder +
                      " or make that folder writable, then try again. Your changes are "
                      "still in the grid.");
        EXPECT_EQ(toDo.ToDoChanged, 1);
        EXPECT_EQ(readFile(ToDoFiles::kGridFile), damaged);
        EXPECT_FALSE(QFileInfo::exists(fake.file(kGridDamagedFile)));

        disk.reset();
        click(toDo.commandButtons[ToDoWindow::SaveButton]);
        EXPECT_EQ(toDo.ToDoChanged, 0);
        EXPECT_EQ(readFile(kGridDamagedFile), damaged);
        EXPECT_EQ(ToDoFiles::readGrid(readFile(ToDoFiles::kGridFile)).rows[0].item,
                  "Item 2 of the long list");
    });
}
