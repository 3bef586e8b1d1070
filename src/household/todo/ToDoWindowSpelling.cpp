// The spelling check of the to-do items, with the remembered names kept in step.
#include "ToDoWindow.h"

#include "AutoCorrectTable.h"
#include "GridControl.h"
#include "Panel3D.h"
#include "SpellChecker.h"
#include "ToDoSpellCheck.h"
#include "Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class ToDoWindow::SpellingGrid : public ToDoSpellingGrid {
public:
    explicit SpellingGrid(ToDoWindow& window) : window_(window) {}

    QString item(int row) const override { return window_.toDoGrid->textMatrix(row, 1); }
    void setItem(int row, const QString& text) override { window_.setGridText(row, 1, text); }
    void makeCurrent(int row) override {
        window_.toDoGrid->setRow(row);
        window_.toDoGrid->setCol(1);
    }
    void setEditing(int setting) override { window_.toDoGrid->setEditable(setting); }
    QStringList names() const override { return window_.ItemNames.names(); }
    void setNames(const QStringList& names) override {
        window_.ItemNames = ItemNameList(names);
        window_.refillNameList();
    }
    void saveNames(const QStringList& names) override {
        window_.ItemNames = ItemNameList(names);
        window_.writeItemNames();
        window_.itemEntry[0]->clear();
    }
    void markChanged() override { window_.ToDoChanged = 1; }
    void showStatus(const QString& text) override { window_.showStatus(text); }
    QString caption() const override { return window_.windowTitle(); }

private:
    ToDoWindow& window_;
};

void ToDoWindow::buildSpellCheck() {
    spellChecker = new SpellChecker(services_, this);
    spellChecker->setObjectName("VSSpell1");
    checkerItems_ = std::make_unique<SpellCheckerItems>(*spellChecker);
    spellingGrid_ = std::make_unique<SpellingGrid>(*this);
    spellCheck_ = std::make_unique<ToDoSpellCheck>(services_, *checkerItems_, *spellingGrid_);
    checkerItems_->connectTo(*spellCheck_, this);

    // In the free place of the command rows, after "&Print", "&Save" and "E&xit".
    const QRect exit = commandButtons[ExitButton]->geometry();
    const int step = commandButtons[SaveButton]->x() - commandButtons[PrintButton]->x();
    spellingButton = new QPushButton("Spelling Chec&k", mainPanelFrame);
    spellingButton->setObjectName("Command6");
    spellingButton->setGeometry(exit.translated(step, 0));
    attachOptionsPopup(spellingButton);
    connect(spellingButton, &QPushButton::clicked, this, &ToDoWindow::SpellCheckItems);
    connect(spellingAction, &QAction::triggered, this, &ToDoWindow::SpellCheckItems);
    spellingAction->setEnabled(true);
}

void ToDoWindow::LoadAutoCorrectTable() {
    ::LoadAutoCorrectTable(*spellChecker);
}

void ToDoWindow::SpellCheckItems() {
    HideDatePicker();
    spellCheck_->SpellCheckItems();
}
