// Reading the thought files, the random selection without repeats and the display of a thought.
#include "ThoughtsWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "DisplayText.h"
#include "Panel3D.h"
#include "ThoughtFile.h"
#include "Twips.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

namespace {

// Every entry a thought file can hold is read; a file that opens but holds none, or whose quote
// is never closed, cannot serve the window and is reported like a missing one.
std::optional<ThoughtFile::Entries> readThoughts(const ProgramFolder& folder,
                                                 ThoughtFile::Form form) {
    const char* name =
        form == ThoughtFile::Form::General ? ThoughtFile::kGeneralFile : ThoughtFile::kHumorousFile;
    return ThoughtFile::readFile(folder.file(name), form);
}

} // namespace

bool ThoughtsWindow::LoadGeneralThoughts() {
    const auto entries = readThoughts(services_.folder, ThoughtFile::Form::General);
    if (!entries.has_value()) {
        program_.SharedState = 19;
        program_.ActivityLoadErrorMessage();
        return false;
    }
    thoughts.fill(*entries);
    return true;
}

void ThoughtsWindow::LoadHumorousThoughts() {
    const auto entries = readThoughts(services_.folder, ThoughtFile::Form::Humorous);
    if (!entries.has_value()) {
        program_.SharedState = 19;
        program_.ActivityLoadErrorMessage();
        return;
    }
    thoughts.fill(*entries);
    ShowHumorousForm();
}

void ThoughtsWindow::ShowHumorousForm() {
    const QSize whole = thoughtsPanel->size();
    displayFrame->resize(int(0.8 * whole.width()), int(0.35 * whole.height()));
    displayFrame->setBackColour(ColorNumber::palette(13));
    displayArea->resize(int(0.768 * whole.width()), int(0.311 * whole.height()));
    thoughtLabel->clear();
    punchLineFrame->resize(displayFrame->width(), punchLineFrame->height());
    punchLineFrame->show();
    punchLinePanel->resize(displayArea->width(), punchLinePanel->height());
    printButton->hide();
    searchButton->setText("&The Rest of the Story");
    searchButton->setEnabled(false);
    for (QAction* item : {displayFontAction, printAction, searchAction, displayColourAction}) {
        item->setVisible(false);
    }
    editMenu->setEnabled(false);
    for (QAction* item : {restOfStoryAction, upperPanelColourAction, lowerPanelColourAction}) {
        item->setVisible(true);
    }
}

void ThoughtsWindow::ShowRandomThought() {
    displayArea->setCaption(QString());
    setCopyAndPrintOffered(true);
    if (startButton->text() == "&Start") {
        startButton->setText("&Next");
        startAction->setVisible(false);
        nextAction->setVisible(true);
    }
    if (humorous_) {
        punchLinePanel->setCaption(QString());
        nextAction->setEnabled(false);
        restOfStoryAction->setEnabled(true);
        startButton->setEnabled(false);
        searchButton->setEnabled(true);
        searchButton->setFocus(Qt::OtherFocusReason);
    }
    thoughts.drawNext(services_.random, [this] { AllThoughtsShownMessage(); });
    ShowThought();
}

void ThoughtsWindow::AllThoughtsShownMessage() {
    QString subject = "Thoughts";
    if (program_.ThoughtKind == 1) {
        subject = "Humorous Thoughts";
        thoughtLabel->clear();
    }
    program_.AllDisplayedMessage(subject, "Thoughts Function");
}

void ThoughtsWindow::ShowThought() {
    thoughtLabel->hide();
    thoughtLabel->clear();
    thoughtLabel->setText(
        DisplayText::lines(thoughts.ThoughtText.at(std::size_t(thoughts.CurrentThought))));
    thoughtLabel->resize(thoughtLabel->sizeHint());
    CenterThought();
    // Told as it shows: the focus stays on Next or Search.
    Announcement::announce(*thoughtLabel, thoughtLabel->text());
}

void ThoughtsWindow::CenterThought() {
    thoughtLabel->resize(thoughtLabel->sizeHint());
    thoughtLabel->move(displayArea->width() / 2 - thoughtLabel->width() / 2,
                       displayArea->height() / 2 - thoughtLabel->height() / 2);
    thoughtLabel->show();
}

void ThoughtsWindow::ShowRestOfStory() {
    nextAction->setEnabled(true);
    restOfStoryAction->setEnabled(false);
    punchLinePanel->setCaption(thoughts.PunchLine.at(std::size_t(thoughts.CurrentThought)));
    searchButton->setEnabled(false);
    startButton->setEnabled(true);
    startButton->setFocus(Qt::OtherFocusReason);
}

void ThoughtsWindow::ResetThoughtsState() {
    ClosedByExit = 0;
    program_.RewardCaption.clear();
    program_.PrintSettings.PrintFontName = QString();
    program_.PrintSettings.PrintFontSize = QString();
    program_.PrintSettings.PrintFontColour = QString();
    program_.SharedText.clear();
    thoughts.clear();
    SearchPanelOpen = 0;
    SearchStart = 0;
    LastSearchText.clear();
    NoMatchMessage.clear();
    DisplayFitSize = 0;
    program_.SignalValue = 0;
    program_.SharedState = 0;
}
