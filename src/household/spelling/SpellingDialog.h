#pragma once

#include <QDialog>

class Dialogs;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Check Spelling": shows one word that is not in the dictionary with its suggestions and asks
// what to do with it. Closing it any other way than by one of the actions is Cancel.
class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    enum class Action { Ignore, IgnoreAll, Change, AutoCorrect, Add, Cancel };

    // Suggestions that Windows-1252 cannot hold are left out, as no entry could keep them.
    SpellingDialog(Dialogs& dialogs, const QString& word, const QStringList& suggestions,
                   QWidget* parent);

    Action action() const { return action_; }
    // The text of "Change &To:" when the dialog closed.
    QString replacement() const;

    QLineEdit* NotInDictionary;
    QLineEdit* ChangeTo;
    QListWidget* Suggestions;
    QPushButton* IgnoreButton;
    QPushButton* IgnoreAllButton;
    QPushButton* ChangeButton;
    QPushButton* AutoCorrectButton;
    QPushButton* AddButton;
    QPushButton* HelpButton;
    QPushButton* CancelButton;

signals:
    // "&Help": the dialog stays open.
    void helpRequested();

private:
    void finish(Action action);
    // Change and Auto-Correct write the replacement into the text: refused, with a message, when
    // the text's files could not hold it.
    void finishWithReplacement(Action action);

    Dialogs& dialogs_;
    Action action_ = Action::Cancel;
};
