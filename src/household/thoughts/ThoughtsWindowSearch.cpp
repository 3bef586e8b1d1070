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
    mOCopy->setVisible(false);
    if (SearchPanel->isVisible()) {
        CloseSearchPanel();
        return;
    }
    mOSr->setChecked(true);
    Command4->setFocusPolicy(Qt::ClickFocus);
    Panel3D2->setCaption(QString());
    Label1->clear();
    Label1->hide();
    Command1->setEnabled(false);
    mON->setEnabled(false);
    mOS->setEnabled(false);
    setCopyAndPrintOffered(false);
    SearchPanel->show();
    windowKeys().setCancelButton(Command6);
    Text1->show();
    Command5->setText("&New");
    Command5->setFocus(Qt::OtherFocusReason);
    SearchPanelOpen = 1;
    SearchStart = 1;
    Text1->setFocus(Qt::OtherFocusReason);
}

void ThoughtsWindow::SearchNextOrNew() {
    if (Command5->text() == "&New") {
        Text1->clear();
        Panel3D2->setCaption(QString());
        Command5->setText("&Begin");
    }
    if (!Text1->text().isEmpty()) {
        SearchThoughts();
        return;
    }
    setSearchMessage("Please Enter Search Text!");
    Text1->setFocus(Qt::OtherFocusReason);
}

void ThoughtsWindow::SearchThoughts() {
    const QString text = Text1->text();
    if (text != LastSearchText) {
        SearchStart = 1;
    }
    LastSearchText = text;
    NoMatchMessage =
        SearchStart > 1 ? "No Additional Matches were Found!" : "No Matches were Found!";
    if (SearchPanelOpen == 0) {
        return;
    }
    Panel3D2->setCaption(QString());
    Label1->clear();
    const int found = SearchStart > thoughts.ThoughtCount ? 0 : thoughts.find(text, SearchStart);
    if (found == 0) {
        setSearchMessage(NoMatchMessage);
        SearchStart = 1;
        setCopyAndPrintOffered(false);
        Command5->setText("&New");
        Label1->hide();
        Command5->setFocus(Qt::OtherFocusReason);
        return;
    }
    thoughts.CurrentThought = found;
    ShowThought();
    SearchStart = found + 1;
    Command5->setText("&Next");
    setCopyAndPrintOffered(true);
    thoughts.markShown(found);
}

void ThoughtsWindow::CloseSearchPanel() {
    mOSr->setChecked(false);
    Command4->setFocusPolicy(Qt::StrongFocus);
    SearchPanel->hide();
    Text1->clear();
    SearchPanelOpen = 0;
    Command1->setEnabled(true);
    mON->setEnabled(true);
    mOS->setEnabled(true);
    windowKeys().setCancelButton(Command3);
    Panel3D2->setCaption(QString());
    showStatus(windowTitle());
}

void ThoughtsWindow::setSearchMessage(const QString& message) {
    Panel3D2->setForeColour(ColorNumber::palette(12));
    Panel3D2->setCaption(message);
}
