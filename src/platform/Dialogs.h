#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Message, input and colour boxes: everything that waits for a person's answer to a question.
class Dialogs {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    // Enter presses the first button, but No in YesNoDefaultNo.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
    // The classic answer codes, kept because handlers store them in SignalValue.
    enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    struct Message {
        QString text; // lines joined by a carriage return (code 13)
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    virtual ~Dialogs() = default;
    virtual Answer message(const Message& message) = 0;
    // The text typed, or nothing when the person cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& initialText) = 0;
    // The colour chosen, starting from initial, or nothing when the person cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
};
