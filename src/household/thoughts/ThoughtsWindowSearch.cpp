// The search panel of the general window: steps from the first thought towards the last through
// those that hold the typed text.
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "Panel3D.h"
#include "WindowKeys.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void ThoughtsWindow::ToggleSearchPanel() {
    if (humorous_) {
        ShowRestOfStory();
        return;
    }
    showStatus("Search");
    optionsCopyAction->setVisible(false);
    if (SearchPanel->isVisible()) {
        CloseSearchPanel();
        return;
    }
    searchAction->setChecked(true);
    searchButton->setFocusPolicy(Qt::ClickFocus);
    displayArea->setCaption(QString());
    thoughtLabel->clear();
    thoughtLabel->hide();
    startButton->setEnabled(false);
    nextAction->setEnabled(false);
    startAction->setEnabled(false);
    setCopyAndPrintOffered(false);
    SearchPanel->show();
    windowKeys().setCancelButton(closeSearchButton);
    searchText->show();
    searchNextButton->setText("&New");
    searchNextButton->setFocus(Qt::OtherFocusReason);
    SearchPanelOpen = 1;
    SearchStart = 1;
    searchText->setFocus(Qt::OtherFocusReason);
}

void ThoughtsWindow::SearchNextOrNew() {
    if (searchNextButton->text() == "&New") {
        searchText->clear();
        displayArea->setCaption(QString());
        searchNextButton->setText("&Begin");
    }
    if (!searchText->text().isEmpty()) {
        SearchThoughts();
        return;
    }
    setSearchMessage("Please Enter Search Text!");
    searchText->setFocus(Qt::OtherFocusReason);
}

void ThoughtsWindow::SearchThoughts() {
    const QString text = searchText->text();
    if (text != LastSearchText) {
        SearchStart = 1;
    }
    LastSearchText = text;
    NoMatchMessage =
        SearchStart > 1 ? "No Additional Matches were Found!" : "No Matches were Found!";
    if (SearchPanelOpen == 0) {
        return;
    }
    displayArea->setCaption(QString());
    thoughtLabel->clear();
    const int found = SearchStart > thoughts.ThoughtCount ? 0 : thoughts.find(text, SearchStart);
    if (found == 0) {
        setSearchMessage(NoMatchMessage);
        SearchStart = 1;
        setCopyAndPrintOffered(false);
        searchNextButton->setText("&New");
        thoughtLabel->hide();
        searchNextButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    thoughts.CurrentThought = found;
    ShowThought();
    SearchStart = found + 1;
    searchNextButton->setText("&Next");
    setCopyAndPrintOffered(true);
    thoughts.markShown(found);
}

void ThoughtsWindow::CloseSearchPanel() {
    searchAction->setChecked(false);
    searchButton->setFocusPolicy(Qt::StrongFocus);
    SearchPanel->hide();
    searchText->clear();
    SearchPanelOpen = 0;
    startButton->setEnabled(true);
    nextAction->setEnabled(true);
    startAction->setEnabled(true);
    windowKeys().setCancelButton(exitButton);
    displayArea->setCaption(QString());
    showStatus(windowTitle());
}

void ThoughtsWindow::setSearchMessage(const QString& message) {
    displayArea->setForeColour(ColorNumber::palette(12));
    displayArea->setCaption(message);
}
