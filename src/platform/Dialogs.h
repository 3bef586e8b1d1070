#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// Message, input, colour and font boxes: everything that waits for a person's answer to a question.
class Dialogs {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    // Enter presses the first button, but No in YesNoDefaultNo and YesNoCancelDefaultNo.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo, YesNoCancelDefaultNo };
    // The classic answer codes, kept because handlers store them in SignalValue.
    enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    struct Message {
        QString text; // lines joined by a carriage return (code 13)
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    // A font with its effects and text colour, as the font dialog shows and returns it.
    struct FontChoice {
        QString name;
        double size = 10; // points, fractions allowed
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeout = false;
        QColor colour{Qt::black};
        bool operator==(const FontChoice&) const = default;

        // The choice as a font (its colour aside).
        QFont font() const {
            QFont font(name);
            font.setPointSizeF(size);
            font.setBold(bold);
            font.setItalic(italic);
            font.setUnderline(underline);
            font.setStrikeOut(strikeout);
            return font;
        }
    };
    // Which fonts the dialog lists; on this desktop every font serves screen and printer alike.
    enum class FontList { PrinterFonts, ScreenAndPrinterFonts };
    static constexpr double kMinFontSize = 1;
    static constexpr double kMaxFontSize = 999;

    virtual ~Dialogs() = default;
    virtual Answer message(const Message& message) = 0;
    // The text typed, or nothing when the person cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& initialText) = 0;
    // The colour chosen, starting from initial, or nothing when the person cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // The font chosen, starting from initial, its size kept within kMinFontSize to kMaxFontSize;
    // nothing when the person cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial, FontList list) = 0;
};
