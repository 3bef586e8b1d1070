#include "ThoughtsWindowFixture.h"

#include "PdfWords.h"
#include "PrintPreviewPanel.h"
#include "StatusBar.h"

#include <QMenu>
#include <QTemporaryDir>

#include <functional>

namespace {

const QByteArray kOneThought = "\"Be kind*always\"\r\n";

// The texts on the preview's first page, in order.
QStringList pageTexts(const PrintPreviewPanel& panel) {
    QStringList texts;
    for (const PrintItem& item : panel.preview->layout().document().pages.at(0).items) {
        if (const auto* text = std::get_if<PrintText>(&item)) {
            texts << text->text;
        }
    }
    return texts;
}

TEST_F(ThoughtsWindowTest, PrintCommandsOpenAPreviewOfTheThoughtShown) {
    const struct {
        const char* name;
        std::function<void(ThoughtsWindow&)> print;
    } commands[] = {
        {"button", [](ThoughtsWindow& w) { w.printButton->click(); }},
        {"menu", [](ThoughtsWindow& w) { w.printAction->trigger(); }},
        {"side toolbar", [](ThoughtsWindow& w) { w.leftToolbarButton(5)->trigger(); }},
    };
    writeFile("Thought1.Fil", kOneThought);
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        open(0);
        fake.random.draws = {0.1};
        click(window->startButton);
        ASSERT_TRUE(window->printAction->isEnabled());
        command.print(*window);
        settle();
        PrintPreviewPanel& panel = *window->printPreview;
        ASSERT_TRUE(panel.isOpen());
        EXPECT_EQ(pageTexts(panel), (QStringList{"Be kind", "always"}));
        EXPECT_EQ(panel.settingPanels[1]->caption(), " 24");
        EXPECT_EQ(panel.settingPanels[0]->caption(), " Times New Roman") << "for MS Sans Serif";
        EXPECT_FALSE(window->optionsMenu->menuAction()->isEnabled());
        EXPECT_FALSE(window->editMenu->menuAction()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), panel.commandButtons[2]);
        window->close();
    }
}

TEST_F(ThoughtsWindowTest, WithoutTimesNewRomanTheThoughtPrintsToAFileWhereThePreviewShowsIt) {
    writeFile("Thought1.Fil", kOneThought);
    fake.printer.refusedFonts = {"Times New Roman"};
    QTemporaryDir folder;
    fake.printer.pdfFile = folder.filePath("thought.pdf");
    open(0);
    fake.random.draws = {0.1};
    click(window->startButton);
    click(window->printButton);
    PrintPreviewPanel& panel = *window->printPreview;
    EXPECT_EQ(panel.settingPanels[0]->caption(), " DejaVu Serif")
        << "the system's serif, not Courier";
    EXPECT_EQ(panel.settingPanels[1]->caption(), " 24");

    click(panel.commandButtons[4]);
    ASSERT_EQ(fake.printer.jobs.size(), 1) << "the print dialog was offered";
    EXPECT_TRUE(
        PdfWords::printedAsLaidOut(fake.printer.pdfFile, panel.preview->layout().document()));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_TRUE(panel.isOpen());
}

TEST_F(ThoughtsWindowTest, PrintIsOneCommandOfferedOnlyOnceAThoughtShows) {
    writeFile("Thought1.Fil", kOneThought);
    open(0);
    const auto offered = [this] {
        return QList<bool>{window->printAction->isEnabled(), window->printButton->isEnabled(),
                           window->leftToolbarButton(5)->isEnabled()};
    };
    EXPECT_EQ(offered(), (QList<bool>{false, false, false}));
    window->leftToolbarButton(5)->trigger();
    click(window->printButton);
    EXPECT_FALSE(window->printPreview->isOpen());

    fake.random.draws = {0.1};
    click(window->startButton);
    EXPECT_EQ(offered(), (QList<bool>{true, true, true}));
}

TEST_F(ThoughtsWindowTest, WhileThePreviewShowsHelpIsItsOwnTheSideToolbarBeepsAndEscapeStepsOut) {
    writeFile("Thought1.Fil", kOneThought);
    open(0);
    fake.random.draws = {0.1};
    click(window->startButton);
    click(window->printButton);
    PrintPreviewPanel& panel = *window->printPreview;

    press(Qt::Key_F1);
    window->leftToolbarButton(1)->trigger();
    EXPECT_EQ(fake.help.topics, QList<int>{1014});
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    EXPECT_TRUE(fake.dialogs.fontInitials.isEmpty()) << "the display font stays closed";

    click(panel.enlargeButton);
    EXPECT_EQ(panel.enlargeButton->text(), "Normal");
    press(Qt::Key_Escape);
    EXPECT_EQ(panel.enlargeButton->text(), "Enlarge");
    EXPECT_TRUE(panel.isOpen());
    press(Qt::Key_Escape);
    EXPECT_FALSE(panel.isOpen());
    EXPECT_TRUE(window->optionsMenu->menuAction()->isEnabled());
    EXPECT_EQ(window->statusPanels->panelText(1), "General Thoughts");
    press(Qt::Key_F1);
    EXPECT_EQ(fake.help.topics.last(), ThoughtsWindow::kHelpContext);
    EXPECT_TRUE(window->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
