#include "ToDoWindowFixture.h"

#include "OptionGroup.h"
#include "PdfWords.h"
#include "PrintPreviewPanel.h"
#include "PrintSettingsValues.h"
#include "ToDoPrintPanel.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class ToDoPrintTest : public ToDoWindowTest {
protected:
    static QString fontName(const Services& s) {
        return PrintValue::toText(s.program.PrintSettings.PrintFontName).value_or("?");
    }
    static QString fontSize(const Services& s) {
        return PrintValue::toText(s.program.PrintSettings.PrintFontSize).value_or("?");
    }
    QByteArray guideRecord() const { return readFile("GColor3.Fil").mid(180, 3); }
    void writeGuideRecord(const QByteArray& text) const {
        QByteArray bytes(200, '\0');
        bytes.replace(180, 2 + text.size(), char(text.size()) + QByteArray(1, '\0') + text);
        writeFile("GColor3.Fil", bytes);
    }
};

TEST_F(ToDoPrintTest, ThePrintButtonOpensTheListOrSaysThereIsNothingToPrint) {
    openToDo([this](ToDoWindow& toDo) {
        click(toDo.commandButtons[ToDoWindow::PrintButton]);
        EXPECT_EQ(fake.dialogs.shownTexts(),
                  QStringList{"There are currently No Entries to Print!"});
        EXPECT_FALSE(toDo.printPreview->isOpen());
    });
    writeGridFile({{"Buy milk", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        click(toDo.commandButtons[ToDoWindow::PrintButton]);
        settle();
        EXPECT_TRUE(toDo.printPreview->isOpen());
        click(toDo.printPreview->commandButtons[2]);
    });
}

TEST_F(ToDoPrintTest, FontDefaultsAtEveryOpening) {
    std::vector<ToDoRow> rows(499);
    rows.push_back({"Last row", "", ""});
    writeGridFile(rows);
    openToDo([this](ToDoWindow& toDo) {
        // The only item is in row 500: the list opens.
        toDo.printAction->trigger();
        settle();
        ASSERT_TRUE(toDo.printPreview->isOpen());
        EXPECT_EQ(fontName(services), "Times New Roman");
        EXPECT_EQ(fontSize(services), "14");
        EXPECT_EQ(toDo.printPreview->settingPanels[1]->caption(), " 14");
        EXPECT_EQ(toDo.statusPanels->panelText(1), "Print");
        EXPECT_FALSE(toDo.optionsMenu->menuAction()->isEnabled());
        EXPECT_FALSE(toDo.editMenu->menuAction()->isEnabled());
        EXPECT_EQ(toDo.toDoGrid->editable(), 0);

        fake.dialogs.fonts.push_back(
            Dialogs::FontChoice{"Times New Roman", 20, false, false, false, false, Qt::black});
        click(toDo.printPreview->commandButtons[0]);
        EXPECT_EQ(fontSize(services), "20");
        click(toDo.printPreview->commandButtons[2]);
        EXPECT_FALSE(toDo.printPreview->isOpen());
        EXPECT_TRUE(toDo.optionsMenu->menuAction()->isEnabled());
        EXPECT_EQ(toDo.statusPanels->panelText(1), "To Do List");

        toDo.printAction->trigger();
        settle();
        EXPECT_EQ(fontSize(services), "14") << "reopened at 14";
        click(toDo.printPreview->commandButtons[2]);

        toDo.printWorksheetAction->trigger();
        settle();
        EXPECT_EQ(fontSize(services), "18");
        EXPECT_EQ(toDo.printPanel->PreviewDocument, ToDoPrintPanel::Document::Worksheet);
        EXPECT_EQ(toDo.statusPanels->panelText(1), "Print To Do Worksheet");
        EXPECT_FALSE(toDo.printPanel->asOfDateBox->isEnabled());
        EXPECT_EQ(toDo.printPreview->preview->layout().pageCount(), 1);
        // Grid lines off rebuilds the worksheet, not the list.
        toDo.printPanel->gridLinesBox->click();
        settle();
        EXPECT_EQ(toDo.printPanel->GridLinesOff, 1);
        bool worksheetTitle = false;
        int lines = 0;
        for (const PrintItem& item :
             toDo.printPreview->preview->layout().document().pages.at(0).items) {
            const auto* text = std::get_if<PrintText>(&item);
            worksheetTitle = worksheetTitle || (text && text->text == "To Do Item Worksheet");
            lines += std::holds_alternative<PrintLine>(item) ? 1 : 0;
        }
        EXPECT_TRUE(worksheetTitle);
        EXPECT_EQ(lines, 0);
        click(toDo.printPreview->commandButtons[2]);
        EXPECT_TRUE(toDo.printPanel->asOfDateBox->isEnabled());

        // No printer set up, or none with the font: the system's serif at the same size.
        fake.printer.refusedFonts = {"Times New Roman"};
        toDo.printAction->trigger();
        settle();
        EXPECT_EQ(fontName(services), "DejaVu Serif");
        EXPECT_EQ(fontSize(services), "14");
        EXPECT_GE(toDo.printPreview->preview->layout().pageCount(), 1);
        EXPECT_EQ(toDo.printPanel->printerFont().name, "DejaVu Serif");
        click(toDo.printPreview->commandButtons[2]);
    });
}

TEST_F(ToDoPrintTest, TheListPrintsToAFileWhereThePreviewShowsIt) {
    writeGridFile({{"Pay electric bill", "Thursday", ""},
                   {"Renew library card", "04/02/2026", "03/30/2026"}});
    fake.printer.refusedFonts = {"Times New Roman"};
    QTemporaryDir folder;
    fake.printer.pdfFile = folder.filePath("list.pdf");
    openToDo([this](ToDoWindow& toDo) {
        toDo.printAction->trigger();
        settle();
        click(toDo.printPreview->commandButtons[4]);
        ASSERT_EQ(fake.printer.jobs.size(), 1) << "the print dialog was offered";
        EXPECT_TRUE(PdfWords::printedAsLaidOut(fake.printer.pdfFile,
                                               toDo.printPreview->preview->layout().document()));
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        click(toDo.printPreview->commandButtons[2]);
    });
}

TEST_F(ToDoPrintTest, AnEmptyGridHasNoListButAWorksheet) {
    openToDo([this](ToDoWindow& toDo) {
        toDo.printAction->trigger();
        settle();
        EXPECT_FALSE(toDo.printPreview->isOpen());
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].text, "There are currently No Entries to Print!");
        EXPECT_EQ(fake.dialogs.shown[0].title, "Print");
        EXPECT_TRUE(toDo.optionsMenu->menuAction()->isEnabled());
        EXPECT_TRUE(toDo.editMenu->menuAction()->isEnabled());
        toDo.printWorksheetAction->trigger();
        settle();
        EXPECT_TRUE(toDo.printPreview->isOpen());
        click(toDo.printPreview->commandButtons[2]);
    });
}

// The guide-line record: "1" selects its option at load without a write; a click writes the
// choice; any other text selects no option.
TEST_F(ToDoPrintTest, GuideLineRecordIsReadAtLoadAndWrittenOnChange) {
    const struct {
        QByteArray stored;
        int selected;
    } cases[] = {{"1", 1}, {"0", 0}, {"7", -1}};
    for (const auto& c : cases) {
        writeGuideRecord(c.stored);
        const QByteArray before = readFile("GColor3.Fil");
        openToDo([&](ToDoWindow& toDo) {
            EXPECT_EQ(toDo.printPreview->guideLineOptions->selected(), c.selected)
                << c.stored.data();
            EXPECT_EQ(readFile("GColor3.Fil"), before) << "nothing written while loading";
            EXPECT_TRUE(toDo.printPanel->gridLinesBox->isChecked());
            EXPECT_TRUE(toDo.printPanel->asOfDateBox->isChecked());
            EXPECT_EQ(services.program.AsOfDateOff, 0);
            toDo.printWorksheetAction->trigger();
            settle();
            QTest::mouseClick(toDo.printPreview->guideLineOptions->button(1), Qt::LeftButton);
            settle();
            EXPECT_EQ(guideRecord(), QByteArray("\x01\x00"
                                                "1",
                                                3));
            EXPECT_EQ(toDo.printPreview->preview->guideLines(), 1);
            click(toDo.printPreview->commandButtons[2]);
        });
    }
}

TEST_F(ToDoPrintTest, EscapeStepsBackFromEnlargedThenClosesThenExits) {
    writeGridFile({{"Call the bank", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        toDo.printAction->trigger();
        settle();
        EXPECT_EQ(fake.help.topics.size(), 0);
        press(QApplication::focusWidget(), Qt::Key_F1);
        click(toDo.printPreview->enlargeButton);
        ASSERT_EQ(toDo.printPreview->enlargeButton->text(), "Normal");
        press(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(toDo.printPreview->enlargeButton->text(), "Enlarge");
        EXPECT_TRUE(toDo.printPreview->isOpen());
        press(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(toDo.printPreview->isOpen());
        toDo.ShowHelpTopic();
        EXPECT_EQ(fake.help.topics, (QList<int>{1014, 2009}));
        EXPECT_TRUE(toDo.isVisible());
        press(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(toDo.isVisible());
    });
}

TEST_F(ToDoPrintTest, AsOfLineOffRebuildsTheListAndIsShared) {
    writeGridFile({{"Call the bank", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        toDo.printAction->trigger();
        settle();
        toDo.printPanel->asOfDateBox->click();
        settle();
        EXPECT_EQ(services.program.AsOfDateOff, 1);
        bool asOfShown = false;
        for (const PrintItem& item :
             toDo.printPreview->preview->layout().document().pages[0].items) {
            if (const auto* text = std::get_if<PrintText>(&item)) {
                asOfShown = asOfShown || text->text.startsWith("As of");
            }
        }
        EXPECT_FALSE(asOfShown);
        click(toDo.printPreview->commandButtons[2]);
    });
}

} // namespace
