#include "QtDialogs.h"

#include "DisplayText.h"
#include "FontDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Dialogs::Buttons buttons) {
    switch (buttons) {
    case Dialogs::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
    case Dialogs::Buttons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
    case Dialogs::Buttons::YesNoCancelDefaultNo:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Dialogs::Answer fromQt(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    default:
        return Dialogs::Answer::Ok;
    }
}

} // namespace

Dialogs::Answer QtDialogs::message(const Message& message) {
    QMessageBox box(toQt(message.icon), message.title, DisplayText::lines(message.text),
                    toQt(message.buttons), QApplication::activeWindow());
    // Closing the box without a button is the Cancel answer where there is one, else OK.
    const bool yesNo =
        message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoDefaultNo;
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Cancel);
    if (message.buttons == Buttons::YesNoDefaultNo ||
        message.buttons == Buttons::YesNoCancelDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
    }
    return fromQt(box.exec());
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title,
                                        const QString& initialText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, DisplayText::lines(prompt),
                              QLineEdit::Normal, initialText, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<Dialogs::FontChoice> QtDialogs::chooseFont(const FontChoice& initial, FontList list) {
    FontDialog dialog(initial, list, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? std::optional<FontChoice>(dialog.choice())
                                              : std::nullopt;
}
