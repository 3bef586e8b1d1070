#include "QuotesWindowFixture.h"

#include "FullDisk.h"
#include "GridControl.h"
#include "HallOfFame.h"
#include "OptionGroup.h"

#include <QFile>

namespace {

class QuotesHallOfFameTest : public QuotesWindowTest {
protected:
    // Two panels, Click mode, the timer counting up, quote 5 at three words per box: the
    // hall-of-fame record 19.
    QuotesHallOfFameTest() {
        window->twoPanelsAction->trigger();
        window->clickModeAction->trigger();
        window->timerAction->trigger();
        window->quoteOrderOptions->select(2);
        for (int quote = 1; quote < 5; ++quote) {
            window->increaseButton->click();
        }
    }

    // Plays quote 5's seven boxes straight into place in seconds and checks it.
    void playPerfectly(int seconds) {
        start(7);
        // The seconds are the ones counted below: a slow run must not add a tick of the real clock.
        window->secondTimer->stop();
        for (int box = 0; box < 7; ++box) {
            clickBox(lower((box + 1) % 7));
            clickBox(upper(box));
        }
        for (int second = 0; second < seconds; ++second) {
            window->CountOneSecond();
        }
        click(window->checkButton);
    }

    QByteArray record(int n) const {
        QFile file(fake.file(HallOfFame::kFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll().mid((n - 1) * 40, 40) : QByteArray();
    }

    QString listed(int row) const {
        QStringList cells;
        for (int col = 0; col < 5; ++col) {
            cells.append(window->performanceGrid->textMatrix(row, col));
        }
        return cells.join('|');
    }
};

TEST_F(QuotesHallOfFameTest,
       APerfectQuoteTimedUpwardsEntersItsHolderWhomOnlyABetterResultReplaces) {
    fake.dialogs.inputs = {QString("0"), QString("  anne#marie smith")};
    playPerfectly(83);
    ASSERT_EQ(window->selectionPanel->caption(), "Perfect!");
    ASSERT_EQ(fake.dialogs.prompts.size(), 2);
    EXPECT_EQ(fake.dialogs.prompts[1],
              "CONGRATULATIONS!\rYou have established yourself as a Hall of Fame Inductee for this "
              "Quote and   Word Grouping.\r\rPlease enter your name below (Up to 8 letters).");
    EXPECT_EQ(fake.sound.played.at(fake.sound.played.size() - 1), FakeSound::kBeep);
    EXPECT_EQ(record(19).left(18), QByteArray("\x10\x00"
                                              "ANNEMARI#1001:23",
                                              18));
    EXPECT_EQ(record(1).left(11), QByteArray("\x09\x00 #       ", 11));
    EXPECT_EQ(record(168).left(11), QByteArray("\x09\x00 #       ", 11));

    // The view lists the holder, only there.
    click(window->checkButton);
    ASSERT_TRUE(window->hallOfFameButton->isVisible());
    click(window->hallOfFameButton);
    EXPECT_EQ(window->reportPanel->caption(), "Hall of Fame");
    EXPECT_EQ(window->hallOfFameButton->text(), "&View Perf. Report");
    EXPECT_TRUE(window->deleteAllButton->isVisible());
    EXPECT_EQ(window->performanceGrid->rows(), 43);
    EXPECT_EQ(listed(0), "Quote No.|Words|Name|Accuracy|Time");
    EXPECT_EQ(listed(1), "5|3|ANNEMARI|100%|1:23");
    EXPECT_EQ(listed(2), "||||");
    click(window->closeReportButton);

    // The same quote a second slower asks nothing and keeps the holder.
    playPerfectly(84);
    EXPECT_EQ(fake.dialogs.prompts.size(), 2);
    EXPECT_EQ(record(19).left(18), QByteArray("\x10\x00"
                                              "ANNEMARI#1001:23",
                                              18));
}

TEST_F(QuotesHallOfFameTest, DeleteAllAsksAndEmptiesAllRecordsOnlyOnYes) {
    fake.dialogs.inputs = {QString("0"), QString("Bob")};
    playPerfectly(40);
    click(window->checkButton);
    click(window->hallOfFameButton);
    ASSERT_EQ(listed(1), "5|3|BOB|100%|0:40");

    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    click(window->deleteAllButton);
    const Dialogs::Message asked = fake.dialogs.shown.last();
    EXPECT_EQ(asked.text, "Do you Really Want to Delete\rAll Hall of Fame Entries!");
    EXPECT_EQ(asked.title, "Hall of Fame Entries");
    EXPECT_EQ(asked.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(asked.buttons, Dialogs::Buttons::YesNoDefaultNo);
    EXPECT_EQ(QApplication::focusWidget(), window->closeReportButton);
    EXPECT_EQ(listed(1), "5|3|BOB|100%|0:40");
    EXPECT_EQ(record(19).mid(2, 3), "BOB");

    click(window->deleteAllButton);
    EXPECT_EQ(QApplication::focusWidget(), window->closeReportButton);
    EXPECT_EQ(window->performanceGrid->rows(), 14);
    EXPECT_EQ(listed(1), "||||");
    for (int n : {1, 19, 168}) {
        EXPECT_EQ(record(n).left(11), QByteArray("\x09\x00 #       ", 11)) << n;
    }
    // Back to the report and to the view again: no entry.
    click(window->hallOfFameButton);
    EXPECT_EQ(window->reportPanel->caption(), "Performance Report");
    EXPECT_FALSE(window->deleteAllButton->isVisible());
    click(window->hallOfFameButton);
    EXPECT_EQ(listed(1), "||||");
}

TEST_F(QuotesHallOfFameTest, AFileThatCannotBeWrittenSaysSoAndKeepsWhatItHeld) {
    // Holders of the first record, of this quote's (whom a faster result replaces) and of the last.
    HallOfFame::File stored(fake.folder);
    ASSERT_EQ(stored.write(1, HallOfFame::entryFor("Cleo", "100", "0:12")),
              RecordFile::WriteResult::Written);
    ASSERT_EQ(stored.write(19, HallOfFame::entryFor("Bob", "100", "0:40")),
              RecordFile::WriteResult::Written);
    ASSERT_EQ(stored.write(168, HallOfFame::entryFor("Dee", "95", "2:05")),
              RecordFile::WriteResult::Written);
    QFile file(fake.file(HallOfFame::kFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray held = file.readAll();
    file.close();

    fake.dialogs.inputs = {QString("0"), QString("Ann")};
    {
        FullDisk full(100);
        playPerfectly(30);
    }
    ASSERT_EQ(fake.dialogs.prompts.size(), 2); // the name was asked: the save was tried
    const Dialogs::Message told = fake.dialogs.shown.last();
    EXPECT_EQ(told.title, "Hall of Fame");
    EXPECT_EQ(told.icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(told.text.contains("could not be saved")) << told.text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), held);
}

TEST_F(QuotesHallOfFameTest, OnlyTwoPanelResultsTimedUpwardsAreTested) {
    // Timer off: no question.
    window->timerAction->trigger();
    playPerfectly(0);
    EXPECT_TRUE(fake.dialogs.prompts.isEmpty());
    // Counting down: the timer question only.
    window->timerAction->trigger();
    fake.dialogs.inputs = {QString("60")};
    playPerfectly(5);
    ASSERT_EQ(window->selectionPanel->caption(), "Perfect!");
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    EXPECT_FALSE(QFile::exists(fake.file(HallOfFame::kFileName)));
    // One panel: no Hall of Fame button in the report.
    window->onePanelAction->trigger();
    window->clickModeAction->trigger();
    start(10); // quote 1 at three words per box
    click(window->startButton);
    click(window->checkButton);
    ASSERT_TRUE(window->reportPanel->isVisible());
    EXPECT_FALSE(window->hallOfFameButton->isVisible());
}

} // namespace
