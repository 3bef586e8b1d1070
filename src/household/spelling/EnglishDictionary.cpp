#include "EnglishDictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

#include <map>

namespace {

constexpr const char* kAffixFile = "en_US.aff";
constexpr const char* kWordFile = "en_US.dic";

} // namespace

EnglishDictionary::EnglishDictionary(std::unique_ptr<Hunspell> hunspell)
    : hunspell_(std::move(hunspell)), utf8_(QString::fromStdString(hunspell_->get_dict_encoding())
                                                .compare("UTF-8", Qt::CaseInsensitive) == 0) {}

EnglishDictionary::~EnglishDictionary() = default;

QStringList EnglishDictionary::standardFolders() {
    QStringList folders = qEnvironmentVariable("DICPATH").split(u':', Qt::SkipEmptyParts);
    folders << "/usr/share/hunspell"
            << "/usr/share/myspell"
            << "/usr/share/myspell/dicts"
            << "/usr/local/share/hunspell";
    return folders;
}

const EnglishDictionary* EnglishDictionary::find(const QStringList& folders) {
    // Keyed by the affix file read, so that each dictionary is read once however it is reached.
    static std::map<QString, std::unique_ptr<EnglishDictionary>> loaded;
    for (const QString& folder : folders) {
        const QString affix = QDir(folder).filePath(kAffixFile);
        const QString words = QDir(folder).filePath(kWordFile);
        if (!QFileInfo(affix).isReadable() || !QFileInfo(words).isReadable()) {
            continue;
        }
        const QString key = QFileInfo(affix).canonicalFilePath();
        auto found = loaded.find(key);
        if (found == loaded.end()) {
            auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(affix).constData(),
                                                       QFile::encodeName(words).constData());
            found = loaded.emplace(key, new EnglishDictionary(std::move(hunspell))).first;
        }
        return found->second.get();
    }
    return nullptr;
}

std::string EnglishDictionary::encoded(const QString& word) const {
    // The apostrophe the dictionary knows is the straight one.
    QString plain = word;
    plain.replace(u'\u2019', u'\'');
    return utf8_ ? plain.toStdString() : plain.toLatin1().toStdString();
}

bool EnglishDictionary::knows(const QString& word) const {
    return hunspell_->spell(encoded(word));
}

QStringList EnglishDictionary::suggestions(const QString& word) const {
    QStringList found;
    for (const std::string& suggestion : hunspell_->suggest(encoded(word))) {
        found.append(utf8_ ? QString::fromStdString(suggestion)
                           : QString::fromLatin1(suggestion.data(), qsizetype(suggestion.size())));
    }
    return found;
}
