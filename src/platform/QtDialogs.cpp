#include "QtDialogs.h"

#include "DisplayText.h"
#include "FontDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

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

// A box's text wraps at blanks, so that the box, with its buttons, fits on the screen it shows
// on: no wider than the screen's work area, its text at most half of it (a long question reads as a
// short paragraph).
void fitToScreen(QDialog& box) {
    const QScreen* screen = box.parentWidget() != nullptr ? box.parentWidget()->screen()
                                                          : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const int available = screen->availableGeometry().width();
    box.setMaximumWidth(available);
    const auto labels = box.findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->text().isEmpty()) {
            label->setWordWrap(true);
            label->setMaximumWidth(available / 2);
        }
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
    fitToScreen(box);
    return fromQt(box.exec());
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title,
                                        const QString& initialText) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(DisplayText::lines(prompt));
    box.setTextValue(initialText);
    fitToScreen(box);
    return box.exec() == QDialog::Accepted ? std::optional<QString>(box.textValue()) : std::nullopt;
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
