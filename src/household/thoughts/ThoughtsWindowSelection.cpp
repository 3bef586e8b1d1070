// Reading the thought files, the random selection without repeats and the display of a thought.
#include "ThoughtsWindow.h"

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
    const QSize whole = SSPanel1->size();
    Panel3D1->resize(int(0.8 * whole.width()), int(0.35 * whole.height()));
    Panel3D1->setBackColour(ColorNumber::palette(13));
    Panel3D2->resize(int(0.768 * whole.width()), int(0.311 * whole.height()));
    Label1->clear();
    Panel3D5->resize(Panel3D1->width(), Panel3D5->height());
    Panel3D5->show();
    Panel3D4->resize(Panel3D2->width(), Panel3D4->height());
    Command2->hide();
    Command4->setText("&The Rest of the Story");
    Command4->setEnabled(false);
    for (QAction* item : {mODD, mOP, mOSr, mOC}) {
        item->setVisible(false);
    }
    mEdit->setEnabled(false);
    for (QAction* item : {mORest, mOUp, mOL}) {
        item->setVisible(true);
    }
}

void ThoughtsWindow::ShowRandomThought() {
    Panel3D2->setCaption(QString());
    setCopyAndPrintOffered(true);
    if (Command1->text() == "&Start") {
        Command1->setText("&Next");
        mOS->setVisible(false);
        mON->setVisible(true);
    }
    if (humorous_) {
        Panel3D4->setCaption(QString());
        mON->setEnabled(false);
        mORest->setEnabled(true);
        Command1->setEnabled(false);
        Command4->setEnabled(true);
        Command4->setFocus(Qt::OtherFocusReason);
    }
    thoughts.drawNext(services_.random, [this] { AllThoughtsShownMessage(); });
    ShowThought();
}

void ThoughtsWindow::AllThoughtsShownMessage() {
    QString subject = "Thoughts";
    if (program_.ThoughtKind == 1) {
        subject = "Humorous Thoughts";
        Label1->clear();
    }
    program_.AllDisplayedMessage(subject, "Thoughts Function");
}

void ThoughtsWindow::ShowThought() {
    Label1->hide();
    Label1->clear();
    Label1->setText(
        DisplayText::lines(thoughts.ThoughtText.at(std::size_t(thoughts.CurrentThought))));
    Label1->resize(Label1->sizeHint());
    CenterThought();
}

void ThoughtsWindow::CenterThought() {
    Label1->resize(Label1->sizeHint());
    Label1->move(Panel3D2->width() / 2 - Label1->width() / 2,
                 Panel3D2->height() / 2 - Label1->height() / 2);
    Label1->show();
}

void ThoughtsWindow::ShowRestOfStory() {
    mON->setEnabled(true);
    mORest->setEnabled(false);
    Panel3D4->setCaption(thoughts.PunchLine.at(std::size_t(thoughts.CurrentThought)));
    Command4->setEnabled(false);
    Command1->setEnabled(true);
    Command1->setFocus(Qt::OtherFocusReason);
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
