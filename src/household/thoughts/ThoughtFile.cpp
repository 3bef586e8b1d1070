#include "ThoughtFile.h"

#include "FieldReader.h"

namespace ThoughtFile {

namespace {

QString withLineBreaks(QString field) {
    return field.replace(QChar('*'), QChar('\r'));
}

std::optional<Entries> readAll(FieldReader& reader, Form form) {
    const int most = form == Form::General ? kMostGeneral : kMostHumorous;
    Entries entries;
    while (!reader.atEnd() && entries.thoughts.size() < most) {
        const std::optional<QString> thought = reader.next();
        if (!thought.has_value()) {
            break;
        }
        entries.thoughts.append(withLineBreaks(*thought));
        if (form == Form::Humorous) {
            entries.punchLines.append(withLineBreaks(reader.next().value_or(QString())));
        }
    }
    if (reader.unclosedQuote() || entries.thoughts.isEmpty()) {
        return std::nullopt;
    }
    return entries;
}

} // namespace

std::optional<Entries> read(const QByteArray& bytes, Form form) {
    FieldReader reader(bytes);
    return readAll(reader, form);
}

std::optional<Entries> readFile(const QString& path, Form form) {
    std::optional<FieldReader> reader = FieldReader::fromFile(path);
    if (!reader.has_value()) {
        return std::nullopt;
    }
    return readAll(*reader, form);
}

} // namespace ThoughtFile
