#include "PrintPreviewPanel.h"
#include "FakePlatform.h"
#include "OptionGroup.h"
#include "PrintSettingsValues.h"
#include "Services.h"
#include "SettingsFile.h"
#include "TextMeasure.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

// A window carrying the panel as the thoughts window does, with a one-line document.
class PrintPreviewPanelTest : public ::testing::Test {
protected:
    PrintPreviewPanelTest() {
        window.resize(Twips::toPixels(9900, 7700));
        PrintPreviewPanel::Config config;
        config.buildDocument = [this](PrintLayout& layout) {
            ++builds;
            layout.setFont(printFontOf(services.program.PrintSettings, layout.font()));
            layout.startDocument();
            layout.paragraph("A kind word goes a long way.");
            layout.endDocument();
        };
        config.fillDefaults = [this] {
            services.program.PrintSettings.PrintFontSize = QString("24");
            services.program.PrintSettings.PrintFontName = QString("Serif");
        };
        config.openChanged = [this](bool open) { openStates.append(open); };
        config.rangeCaption = "Entire Thought";
        config.autoSizeReference = [] { return QString(42, 'n'); };
        panel = new PrintPreviewPanel(services, config, &window);
        panel->setGeometry(Twips::toPixels(450, 300, 8940, 6705));
        window.show();
        panel->loadGuideLineChoice();
        panel->activate();
    }

    QByteArray guideRecord() const {
        QFile file(fake.file("GColor3.Fil"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().mid(180, 3) : QByteArray();
    }
    QString sizeBox() const { return panel->settingPanels[1]->caption(); }

    FakePlatform fake;
    Services services{fake.platform};
    QWidget window;
    PrintPreviewPanel* panel;
    int builds = 0;
    QList<bool> openStates;
};

TEST_F(PrintPreviewPanelTest, OpeningShowsTheSettingsAndTheDocumentWithFocusOnCancel) {
    EXPECT_FALSE(panel->isOpen());
    panel->open();
    EXPECT_TRUE(panel->isOpen());
    EXPECT_EQ(openStates, QList<bool>{true}) << "menus disabled";
    EXPECT_EQ(sizeBox(), " 24");
    EXPECT_EQ(panel->settingPanels[0]->caption(), " Serif");
    EXPECT_EQ(panel->settingPanels[2]->caption(), " Portrait");
    EXPECT_EQ(panel->sampleText->font().pointSizeF(), 24);
    EXPECT_EQ(QApplication::focusWidget(), panel->commandButtons[2]);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(panel->preview->layout().pageCount(), 1);
    EXPECT_EQ(panel->commandButtons[2]->text(), "&Cancel");
    EXPECT_EQ(panel->printRangeOption->text(), "Entire Thought");
}

TEST_F(PrintPreviewPanelTest, EnlargedSurvivesCancelAndPrintAndEscapeStepsBack) {
    const QRect normal = panel->preview->geometry();
    EXPECT_NEAR(services.program.PreviewNormalWidth, 5330, 15) << "whole pixels";
    EXPECT_NEAR(services.program.PreviewNormalLeft, 3555, 15);
    panel->open();
    panel->enlargeButton->click();
    EXPECT_EQ(panel->enlargeButton->text(), "Normal");
    EXPECT_EQ(panel->preview->zoom(), PrintPreview::kPageWidth);
    EXPECT_EQ(panel->preview->x(), Twips::toPixels(60));
    EXPECT_EQ(panel->preview->height(), normal.height());

    panel->commandButtons[2]->click();
    EXPECT_FALSE(panel->isOpen());
    EXPECT_EQ(openStates, (QList<bool>{true, false}));
    panel->open();
    EXPECT_EQ(panel->enlargeButton->text(), "Normal");
    panel->commandButtons[4]->click();
    ASSERT_EQ(fake.printer.jobs.size(), 1);
    EXPECT_EQ(fake.printer.jobs[0].pageCount, 1);
    EXPECT_TRUE(panel->isOpen());
    EXPECT_EQ(panel->enlargeButton->text(), "Normal");

    EXPECT_TRUE(panel->escape());
    EXPECT_EQ(panel->enlargeButton->text(), "Enlarge");
    EXPECT_EQ(panel->preview->geometry(), normal);
    EXPECT_EQ(panel->preview->zoom(), PrintPreview::kWholePage);
    EXPECT_TRUE(panel->escape());
    EXPECT_FALSE(panel->isOpen());
    EXPECT_FALSE(panel->escape()) << "the window's own Escape";
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(PrintPreviewPanelTest, PrinterFontChangesTheDocumentUnlessCancelled) {
    panel->open();
    panel->commandButtons[0]->click(); // cancelled: nothing scripted
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(sizeBox(), " 24");
    EXPECT_EQ(services.program.PrintSettings.PrintFontSize, SharedValue(QString("24")));

    fake.dialogs.fonts.push_back(
        Dialogs::FontChoice{"Sans", 13.5, true, false, false, false, Qt::red});
    panel->commandButtons[0]->click();
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(sizeBox(), " 13.5");
    EXPECT_EQ(panel->settingPanels[0]->caption(), " Sans");
    EXPECT_EQ(panel->sampleText->foreColour(), QColor(Qt::red));
    EXPECT_EQ(panel->preview->layout().font().size, 13.5);
}

TEST_F(PrintPreviewPanelTest, PageSetupTurnsThePageAndKeepsIt) {
    panel->open();
    panel->commandButtons[1]->click(); // cancelled
    EXPECT_EQ(builds, 1);
    QPageLayout landscape = letterPageLayout();
    landscape.setOrientation(QPageLayout::Landscape);
    fake.printer.setups.push_back(landscape);
    panel->commandButtons[1]->click();
    EXPECT_EQ(panel->settingPanels[2]->caption(), " Landscape");
    EXPECT_EQ(builds, 2);
    EXPECT_NEAR(panel->preview->layout().document().page.width, 15840, 1);
}

TEST_F(PrintPreviewPanelTest, AutoSizeFitsAWholeSizeOnAPageWithoutMargins) {
    panel->open();
    panel->autoSizeButton->click();
    const PrintLayout& layout = panel->preview->layout();
    EXPECT_EQ(layout.page().left, 0);
    EXPECT_EQ(layout.page().bottom, 0);
    const auto size = PrintValue::toSingle(services.program.PrintSettings.PrintFontSize);
    ASSERT_TRUE(size);
    EXPECT_EQ(*size, std::floor(*size));
    EXPECT_EQ(sizeBox(), ' ' + QString::number(*size));
    EXPECT_LE(layout.textWidth(QString(42, 'n')), layout.pageWidth());
    PrintFont larger = layout.font();
    larger.size += 1;
    EXPECT_GT(TextMeasure::width(larger, QString(42, 'n')), layout.pageWidth());
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(QApplication::focusWidget(), panel->commandButtons[2]);
}

TEST_F(PrintPreviewPanelTest, CopyAndPrintSayWhatHappened) {
    panel->open();
    panel->commandButtons[3]->click();
    ASSERT_EQ(fake.clipboard.pictures.size(), 1);
    EXPECT_EQ(fake.clipboard.pictures[0].width(), 1275) << "letter width at 150 dpi";
    fake.clipboard.refusePictures = true;
    panel->commandButtons[3]->click();
    fake.printer.results = {Printer::Result::Cancelled, Printer::Result::Failed};
    panel->commandButtons[4]->click();
    panel->commandButtons[4]->click();
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Current Page has been copied to the Windows Clipboard.");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Copy Option");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(fake.dialogs.shown[1].text, "The current page could not be copied to the clipboard.");
    EXPECT_EQ(fake.dialogs.shown[2].text, "The document could not be printed.");
    EXPECT_EQ(QApplication::focusWidget(), panel->commandButtons[2]);
}

TEST_F(PrintPreviewPanelTest, TheGuideLineChoiceIsRememberedAndLoadedWithoutWriting) {
    EXPECT_EQ(panel->guideLineOptions->selected(), 0) << "never written: do not display";
    EXPECT_TRUE(guideRecord().isEmpty()) << "the load writes nothing";
    panel->guideLineOptions->button(1)->click();
    EXPECT_EQ(panel->preview->guideLines(), 1);
    EXPECT_EQ(guideRecord(), QByteArray("\x01\x00"
                                        "1",
                                        3));
    panel->guideLineOptions->button(0)->click();
    EXPECT_EQ(guideRecord(), QByteArray("\x01\x00"
                                        "0",
                                        3));

    const struct {
        const char* saved;
        int selected;
        int guideLines;
    } loads[] = {{"1", 1, 1}, {"0", 0, 0}, {"7", -1, 0}, {"x", -1, 0}};
    for (const auto& load : loads) {
        SCOPED_TRACE(load.saved);
        settingsFile(fake.folder, SettingsFile::GColor3).writeText(10, load.saved);
        PrintPreviewPanel fresh(services, {}, &window);
        fresh.loadGuideLineChoice();
        EXPECT_EQ(fresh.guideLineOptions->selected(), load.selected);
        EXPECT_EQ(fresh.preview->guideLines(), load.guideLines);
        EXPECT_EQ(guideRecord().mid(2), QByteArray(load.saved));
    }
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(PrintPreviewPanelTest, AGuideLineChoiceThatCannotBeWrittenHoldsForThisRun) {
    QFile::remove(fake.file("GColor3.Fil"));
    ASSERT_TRUE(QDir(fake.directory.path()).mkpath("GColor3.Fil")) << "a folder in its place";
    panel->guideLineOptions->button(1)->click();
    EXPECT_EQ(panel->preview->guideLines(), 1);
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_TRUE(fake.dialogs.shown[0].text.contains("cannot be remembered"));
}

} // namespace
