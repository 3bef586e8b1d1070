#include "SpellingDialog.h"

#include "Cp1252.h"
#include "Dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* actionButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setAccessibleName(QString(caption).remove(u'&'));
    button->setAutoDefault(false);
    return button;
}

} // namespace

SpellingDialog::SpellingDialog(Dialogs& dialogs, const QString& word,
                               const QStringList& suggestions, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setWindowTitle("Check Spelling");

    auto* notInDictionaryLabel = new QLabel("Not in Dictionary:", this);
    NotInDictionary = new QLineEdit(word, this);
    NotInDictionary->setReadOnly(true);
    NotInDictionary->setAccessibleName("Not in Dictionary:");
    notInDictionaryLabel->setBuddy(NotInDictionary);

    QStringList offered;
    for (const QString& suggestion : suggestions) {
        if (Cp1252::canHold(suggestion)) {
            offered.append(suggestion);
        }
    }

    auto* changeToLabel = new QLabel("Change &To:", this);
    ChangeTo = new QLineEdit(offered.isEmpty() ? word : offered.first(), this);
    ChangeTo->setAccessibleName("Change To:");
    changeToLabel->setBuddy(ChangeTo);

    auto* suggestionsLabel = new QLabel("&Suggestions:", this);
    Suggestions = new QListWidget(this);
    Suggestions->addItems(offered);
    Suggestions->setAccessibleName("Suggestions:");
    suggestionsLabel->setBuddy(Suggestions);
    if (!offered.isEmpty()) {
        Suggestions->setCurrentRow(0);
    }

    IgnoreButton = actionButton("&Ignore", this);
    IgnoreAllButton = actionButton("Ignore A&ll", this);
    ChangeButton = actionButton("&Change", this);
    AutoCorrectButton = actionButton("A&uto-Correct", this);
    AddButton = actionButton("&Add", this);
    HelpButton = actionButton("&Help", this);
    CancelButton = actionButton("Cancel", this);
    ChangeButton->setDefault(true);

    auto* fields = new QVBoxLayout;
    fields->addWidget(notInDictionaryLabel);
    fields->addWidget(NotInDictionary);
    fields->addWidget(changeToLabel);
    fields->addWidget(ChangeTo);
    fields->addWidget(suggestionsLabel);
    fields->addWidget(Suggestions, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {IgnoreButton, IgnoreAllButton, ChangeButton, AutoCorrectButton,
                                AddButton, HelpButton, CancelButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(fields, 0, 0);
    layout->addLayout(buttons, 0, 1);

    connect(Suggestions, &QListWidget::currentTextChanged, ChangeTo, &QLineEdit::setText);
    connect(Suggestions, &QListWidget::itemDoubleClicked, this,
            [this] { finishWithReplacement(Action::Change); });
    // An auto-correct pair needs a correction: a blank one would delete the word everywhere.
    connect(ChangeTo, &QLineEdit::textChanged, this, [this](const QString& text) {
        AutoCorrectButton->setEnabled(!text.trimmed().isEmpty());
    });
    AutoCorrectButton->setEnabled(!ChangeTo->text().trimmed().isEmpty());

    connect(IgnoreButton, &QPushButton::clicked, this, [this] { finish(Action::Ignore); });
    connect(IgnoreAllButton, &QPushButton::clicked, this, [this] { finish(Action::IgnoreAll); });
    connect(ChangeButton, &QPushButton::clicked, this,
            [this] { finishWithReplacement(Action::Change); });
    connect(AutoCorrectButton, &QPushButton::clicked, this,
            [this] { finishWithReplacement(Action::AutoCorrect); });
    connect(AddButton, &QPushButton::clicked, this, [this] { finish(Action::Add); });
    connect(HelpButton, &QPushButton::clicked, this, &SpellingDialog::helpRequested);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    ChangeTo->setFocus();
    ChangeTo->selectAll();
}

QString SpellingDialog::replacement() const {
    return ChangeTo->text();
}

void SpellingDialog::finish(Action action) {
    action_ = action;
    accept();
}

void SpellingDialog::finishWithReplacement(Action action) {
    if (!Cp1252::canHold(ChangeTo->text())) {
        dialogs_.message({"The replacement holds characters that cannot be stored in your entries!",
                          "Check Spelling", Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
        ChangeTo->setFocus();
        return;
    }
    finish(action);
}
