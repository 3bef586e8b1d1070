#include "StorableText.h"

#include "Cp1252.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

class StorableValidator : public QValidator {
public:
    StorableValidator(std::function<QString(const QString&)> filter, QObject* parent)
        : QValidator(parent), filter_(std::move(filter)) {}

    State validate(QString& input, int& position) const override {
        const QString kept = StorableText::kept(filter_ ? filter_(input) : input);
        if (kept != input) {
            // The caret stays behind what was typed, less what was taken out before it.
            position =
                std::clamp(int(position - (input.size() - kept.size())), 0, int(kept.size()));
            input = kept;
        }
        return Acceptable;
    }

private:
    std::function<QString(const QString&)> filter_;
};

} // namespace

QString StorableText::kept(const QString& text) {
    if (Cp1252::canHold(text)) {
        return text;
    }
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        kept += Cp1252::canHold(character) ? character : QString("?");
    }
    return kept;
}

void StorableText::guard(QLineEdit& box, std::function<QString(const QString&)> filter) {
    box.setValidator(new StorableValidator(std::move(filter), &box));
}
