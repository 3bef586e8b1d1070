#include "FieldReader.h"

#include "Cp1252.h"

#include <QFile>

namespace {

// A file that an editor saved as UTF-8 may begin with the byte-order mark; what follows it is
// UTF-8, not Windows-1252.
QString decoded(const QByteArray& bytes) {
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    if (bytes.startsWith(byteOrderMark)) {
        return QString::fromUtf8(bytes.mid(byteOrderMark.size()));
    }
    return Cp1252::decode(bytes);
}

} // namespace

FieldReader::FieldReader(const QByteArray& bytes) : text_(decoded(bytes)) {
    contentEnd_ = text_.size();
    while (contentEnd_ > 0 && (isBlank(contentEnd_ - 1) || isLineEnd(contentEnd_ - 1))) {
        --contentEnd_;
    }
}

std::optional<FieldReader> FieldReader::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile || file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return FieldReader(bytes);
}

bool FieldReader::isBlank(qsizetype at) const {
    return text_[at] == ' ' || text_[at] == '\t';
}

bool FieldReader::isLineEnd(qsizetype at) const {
    return text_[at] == '\r' || text_[at] == '\n';
}

void FieldReader::skipBlanks() {
    while (at_ < text_.size() && isBlank(at_)) {
        ++at_;
    }
}

void FieldReader::skipSeparator() {
    if (at_ >= text_.size()) {
        return;
    }
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') {
        ++at_;
    }
    ++at_;
}

bool FieldReader::atEnd() const {
    return unclosedQuote_ || at_ >= contentEnd_;
}

std::optional<QString> FieldReader::next() {
    if (atEnd()) {
        return std::nullopt;
    }
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == '"') {
        const qsizetype closing = text_.indexOf('"', at_ + 1);
        if (closing < 0) {
            unclosedQuote_ = true;
            return std::nullopt;
        }
        const QString field = text_.mid(at_ + 1, closing - at_ - 1);
        at_ = closing + 1;
        while (at_ < text_.size() && text_[at_] != ',' && !isLineEnd(at_)) {
            ++at_;
        }
        skipSeparator();
        return field;
    }
    const qsizetype start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && !isLineEnd(at_)) {
        ++at_;
    }
    qsizetype end = at_;
    while (end > start && isBlank(end - 1)) {
        --end;
    }
    skipSeparator();
    return text_.mid(start, end - start);
}
