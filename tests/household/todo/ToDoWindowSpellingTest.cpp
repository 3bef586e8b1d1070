#include "ToDoWindowFixture.h"

#include "SpellingDialog.h"

namespace {

// The items checked from "Spelling Chec&k" with the program's checker; its dialog answered by
// script.
class ToDoSpellingTest : public ToDoWindowTest {
protected:
    void answerChange(const QString& replacement) {
        fake.modal.scripts.push_back([this, replacement](QWidget& window) {
            auto& dialog = dynamic_cast<SpellingDialog&>(window);
            offered << dialog.NotInDictionary->text();
            dialog.ChangeTo->setText(replacement);
            QTest::mouseClick(dialog.ChangeButton, Qt::LeftButton);
        });
    }

    QStringList offered;
};

TEST_F(ToDoSpellingTest, ACorrectedItemRenamesItsRememberedName) {
    writeGridFile({{"Pay the rent", "", ""}, {}, {"Buy brd", "Wednesday - Mar 25, 26", ""}});
    writeFile(ToDoFiles::kNamesFile, ToDoFiles::writeNames({"Buy brd", "Pay the rent"}));
    openToDo([this](ToDoWindow& toDo) {
        answerChange("bread");
        click(toDo.spellingButton);
        EXPECT_EQ(cell(toDo, 3, 1), "Buy bread");
        EXPECT_EQ(cell(toDo, 1, 1), "Pay the rent");
        EXPECT_EQ(toDo.ItemNames.names(), (QStringList{"Pay the rent", "Buy bread"}));
        EXPECT_EQ(toDo.nameList->count(), 2);
        EXPECT_EQ(ToDoFiles::readNames(readFile(ToDoFiles::kNamesFile)).names,
                  (QStringList{"Pay the rent", "Buy bread"}));
        EXPECT_EQ(toDo.ToDoChanged, 1);
        EXPECT_EQ(toDo.toDoGrid->editable(), 2);
        ASSERT_FALSE(fake.dialogs.shown.isEmpty());
        EXPECT_EQ(fake.dialogs.shown.last().text,
                  "Spelling Check has been canceled or has reached the end of your entries");
        EXPECT_EQ(toDo.statusPanels->panelText(1), "To Do List");
        toDo.ToDoChanged = 0;
    });
    EXPECT_EQ(offered, QStringList{"brd"});
}

} // namespace
