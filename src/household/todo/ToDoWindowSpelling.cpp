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

    QString item(int row) const override { return window_.VSGd1->textMatrix(row, 1); }
    void setItem(int row, const QString& text) override { window_.setGridText(row, 1, text); }
    void makeCurrent(int row) override {
        window_.VSGd1->setRow(row);
        window_.VSGd1->setCol(1);
    }
    void setEditing(int setting) override { window_.VSGd1->setEditable(setting); }
    QStringList names() const override { return window_.ItemNames.names(); }
    void setNames(const QStringList& names) override {
        window_.ItemNames = ItemNameList(names);
        window_.refillNameList();
    }
    void saveNames(const QStringList& names) override {
        window_.ItemNames = ItemNameList(names);
        window_.writeItemNames();
        window_.Text1[0]->clear();
    }
    void markChanged() override { window_.ToDoChanged = 1; }
    void showStatus(const QString& text) override { window_.showStatus(text); }
    QString caption() const override { return window_.windowTitle(); }

private:
    ToDoWindow& window_;
};

void ToDoWindow::buildSpellCheck() {
    VSSpell1 = new SpellChecker(services_, this);
    checkerItems_ = std::make_unique<SpellCheckerItems>(*VSSpell1);
    spellingGrid_ = std::make_unique<SpellingGrid>(*this);
    spellCheck_ = std::make_unique<ToDoSpellCheck>(services_, *checkerItems_, *spellingGrid_);
    checkerItems_->connectTo(*spellCheck_, this);

    // In the free place of the command rows, after "&Print", "&Save" and "E&xit".
    const QRect exit = Command1[ExitButton]->geometry();
    const int step = Command1[SaveButton]->x() - Command1[PrintButton]->x();
    Command6 = new QPushButton("Spelling Chec&k", Panel3D1);
    Command6->setGeometry(exit.translated(step, 0));
    attachOptionsPopup(Command6);
    connect(Command6, &QPushButton::clicked, this, &ToDoWindow::SpellCheckItems);
    connect(mOSpell, &QAction::triggered, this, &ToDoWindow::SpellCheckItems);
    mOSpell->setEnabled(true);
}

void ToDoWindow::LoadAutoCorrectTable() {
    ::LoadAutoCorrectTable(*VSSpell1);
}

void ToDoWindow::SpellCheckItems() {
    HideDatePicker();
    spellCheck_->SpellCheckItems();
}
