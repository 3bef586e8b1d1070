#pragma once

#include "Dialogs.h"

class QtDialogs : public Dialogs {
public:
    Answer message(const Message& message) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& initialText) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial, FontList list) override;
};
