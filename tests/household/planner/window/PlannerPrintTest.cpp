#include "PlannerWindowFixture.h"

#include "OptionGroup.h"
#include "PdfWords.h"
#include "PrintPreviewPanel.h"
#include "SettingsFile.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class PlannerPrintTest : public PlannerWindowTest {
protected:
    static QStringList placedTexts(const PrintPreviewPanel& panel) {
        QStringList texts;
        for (const PrintPage& page : panel.preview->layout().document().pages) {
            for (const PrintItem& item : page.items) {
                if (const auto* text = std::get_if<PrintText>(&item)) {
                    texts.append(text->text);
                }
            }
        }
        return texts;
    }
    QString record11() const {
        return settingsFile(fake.folder, SettingsFile::GColor3).readText(11);
    }
};

TEST_F(PlannerPrintTest, PrintPicksTheMonthWhileItShowsElseTheDayInOneColumn) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        PrintPreviewPanel& panel = *planner.printPreview;
        planner.printAction->trigger();
        settle();
        ASSERT_TRUE(panel.isOpen());
        EXPECT_EQ(planner.PrintLayout, 2);
        EXPECT_TRUE(planner.printColumnOptions->button(0)->isChecked());
        EXPECT_FALSE(planner.printGridLinesBox->isVisible());
        EXPECT_FALSE(planner.optionsMenu->menuAction()->isEnabled());
        EXPECT_TRUE(placedTexts(panel).contains("Appointments/Activities For March 5, 2025"));
        EXPECT_EQ(fake.printer.fontRequests.last(), "Times New Roman");
        EXPECT_EQ(services.program.PrintSettings.PrintFontSize, SharedValue(QString("10")));

        // Two columns, then cancel: the next opening is in one column again.
        planner.printColumnOptions->button(1)->click();
        settle();
        EXPECT_EQ(planner.PrintLayout, 22);
        // Meanwhile the side buttons beep, F1 names the preview's topic.
        planner.leftToolbarButton(4)->trigger();
        EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
        EXPECT_FALSE(planner.monthViewPanel->isVisible());
        press(panel.commandButtons[2], Qt::Key_F1);
        EXPECT_EQ(fake.help.topics, QList<int>{1014});
        press(panel.commandButtons[2], Qt::Key_Escape);
        EXPECT_FALSE(panel.isOpen());
        EXPECT_TRUE(planner.optionsMenu->menuAction()->isEnabled());
        planner.printButton->click();
        settle();
        EXPECT_EQ(planner.PrintLayout, 2);
        EXPECT_TRUE(planner.printColumnOptions->button(0)->isChecked());
        panel.commandButtons[2]->click();
        settle();

        planner.ViewEntireMonth();
        planner.printAction->trigger();
        settle();
        EXPECT_EQ(planner.PrintLayout, 0);
        EXPECT_TRUE(planner.printGridLinesBox->isVisible());
        EXPECT_TRUE(planner.printGridLinesBox->isChecked());
        EXPECT_FALSE(planner.printColumnOptions->button(0)->isVisible());
        EXPECT_EQ(services.program.PrintSettings.PrintFontSize, SharedValue(QString("14")));
        EXPECT_TRUE(placedTexts(panel).contains("Monthly Calendar For March, 2025"));
        EXPECT_FALSE(panel.preview->layout().document().pages.at(0).items.empty());
        planner.printGridLinesBox->click();
        settle();
        EXPECT_EQ(planner.GridLinesOff, 1);
        for (const PrintItem& item : panel.preview->layout().document().pages.at(0).items) {
            EXPECT_FALSE(std::holds_alternative<PrintLine>(item));
        }
        // Escape closes the preview first, then the month view.
        press(panel.commandButtons[2], Qt::Key_Escape);
        EXPECT_TRUE(planner.monthViewPanel->isVisible());
        planner.printMonthButton->click();
        settle();
        EXPECT_TRUE(planner.printGridLinesBox->isChecked());
        EXPECT_EQ(planner.GridLinesOff, 0);
    });
}

TEST_F(PlannerPrintTest, TheMonthPrintsToAFileWhereThePreviewShowsItInLandscape) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    QTemporaryDir folder;
    fake.printer.pdfFile = folder.filePath("month.pdf");
    QPageLayout landscape = letterPageLayout();
    landscape.setOrientation(QPageLayout::Landscape);
    landscape.setMargins(QMarginsF(54, 36, 90, 63));
    fake.printer.setups.push_back(landscape);
    openPlanner([&](PlannerWindow& planner) {
        PrintPreviewPanel& panel = *planner.printPreview;
        planner.ViewEntireMonth();
        planner.printAction->trigger();
        settle();
        panel.commandButtons[1]->click();
        settle();
        EXPECT_EQ(panel.settingPanels[2]->caption(), " Landscape");
        panel.commandButtons[4]->click();
        settle();
        ASSERT_EQ(fake.printer.jobs.size(), 1) << "the print dialog was offered";
        EXPECT_TRUE(
            PdfWords::printedAsLaidOut(fake.printer.pdfFile, panel.preview->layout().document()));
        EXPECT_TRUE(placedTexts(panel).contains("Dentist"));
    });
}

TEST_F(PlannerPrintTest, AnEmptyDayHasNothingToPrint) {
    openPlanner([&](PlannerWindow& planner) {
        planner.printButton->click();
        settle();
        EXPECT_FALSE(planner.printPreview->isOpen());
        EXPECT_EQ(messageTexts(), QStringList{"There are currently No Entries to Print!"});
        EXPECT_TRUE(planner.optionsMenu->menuAction()->isEnabled());
    });
}

TEST_F(PlannerPrintTest, TheGuideLineChoiceIsRecord11AndLoadsWithoutBeingWritten) {
    const struct {
        const char* stored;
        int selected;
    } cases[] = {{"", 0}, {"1", 1}, {"0", 0}, {"-899", -1}};
    for (const auto& c : cases) {
        if (*c.stored != 0) {
            ASSERT_EQ(settingsFile(fake.folder, SettingsFile::GColor3).writeText(11, c.stored),
                      RecordFile::WriteResult::Written);
        }
        const QString before = record11();
        PlannerWindow planner(services);
        EXPECT_EQ(planner.printPreview->guideLineOptions->selected(), c.selected) << c.stored;
        EXPECT_EQ(record11(), before) << c.stored;
        planner.printPreview->guideLineOptions->button(1)->click();
        settle();
        EXPECT_EQ(record11(), "1") << c.stored;
        planner.printPreview->guideLineOptions->button(0)->click();
        settle();
        EXPECT_EQ(record11(), "0") << c.stored;
        EXPECT_TRUE(settingsFile(fake.folder, SettingsFile::GColor3).readText(10).isEmpty());
    }
}

} // namespace
