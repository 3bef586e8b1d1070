#include "CustomDictionary.h"

#include "Cp1252.h"
#include "SpellingWords.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Words past this many bytes of the file are not read: a damaged file of any size stays harmless.
constexpr qint64 kLongestRead = 4 * 1024 * 1024;
constexpr qint64 kCopyBlock = 64 * 1024;

QString withCapitalFirst(const QString& word) {
    QString capitalised = word.toLower();
    if (!capitalised.isEmpty()) {
        capitalised[0] = capitalised.at(0).toUpper();
    }
    return capitalised;
}

} // namespace

CustomDictionary::CustomDictionary(const ProgramFolder& folder) : path_(folder.file(kFileName)) {}

void CustomDictionary::load() {
    words_.clear();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray content = file.read(kLongestRead);
    for (const QByteArray& line : content.split('\n')) {
        const QString word = Cp1252::decode(line).trimmed();
        if (SpellingWords::isOneWord(word)) {
            words_.insert(word);
        }
    }
}

bool CustomDictionary::knows(const QString& word) const {
    if (words_.contains(word)) {
        return true;
    }
    const QString lower = word.toLower();
    if (word == withCapitalFirst(word) || word == word.toUpper()) {
        if (words_.contains(lower)) {
            return true;
        }
    }
    return word == word.toUpper() && words_.contains(withCapitalFirst(word));
}

bool CustomDictionary::add(const QString& word) {
    words_.insert(word);

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // The old lines first, byte for byte.
    bool endsWithNewLine = true;
    QFile old(path_);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            file.cancelWriting();
            return false;
        }
        while (!old.atEnd()) {
            const QByteArray block = old.read(kCopyBlock);
            if (block.isEmpty() || file.write(block) != block.size()) {
                file.cancelWriting();
                return false;
            }
            endsWithNewLine = block.endsWith('\n');
        }
    }
    const QByteArray line =
        (endsWithNewLine ? QByteArray() : QByteArray("\r\n")) + Cp1252::encode(word) + "\r\n";
    if (file.write(line) != line.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
