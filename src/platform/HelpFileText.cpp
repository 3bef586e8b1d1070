#include "HelpFileText.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

namespace {

// The tags of the help format, each with the attributes it may carry.
const QHash<QString, QStringList>& helpTags() {
    static const QHash<QString, QStringList> tags = [] {
        QHash<QString, QStringList> known;
        for (const char* plain : {"html", "head", "title", "body", "h1", "h2", "h3", "h4", "p", "b",
                                  "i", "em", "strong", "ul", "ol", "li", "tr", "br", "hr"}) {
            known.insert(plain, {});
        }
        known.insert("meta", {"charset"});
        known.insert("a", {"name", "href"});
        known.insert("table", {"border", "cellpadding"});
        known.insert("td", {"colspan"});
        known.insert("th", {"colspan"});
        return known;
    }();
    return tags;
}

bool isVoid(const QString& tag) {
    return tag == "br" || tag == "hr" || tag == "meta";
}

// The open tags that a new one ends, as HTML ends paragraphs, list items and cells.
QStringList endedBy(const QString& tag) {
    if (tag == "p" || tag == "li") {
        return {tag};
    }
    if (tag == "td" || tag == "th") {
        return {"td", "th"};
    }
    if (tag == "tr") {
        return {"td", "th", "tr"};
    }
    return {};
}

// The help format's tags are short; a longer run after '<' is text, which also keeps a file of
// unfinished tags from being scanned again and again.
constexpr qsizetype kLongestTag = 256;

struct Tag {
    QString name;
    bool closing = false;
    QString markup; // the tag as passed on, with only the attributes the format uses
    qsizetype end = 0;
};

bool isAsciiLetter(QChar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiLetterOrDigit(QChar c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

// The tag starting at text[start] == '<', or nothing when what follows is not a tag of the format.
std::optional<Tag> parseTag(const QString& text, qsizetype start) {
    const qsizetype limit = std::min(text.size(), start + kLongestTag);
    qsizetype i = start + 1;
    Tag tag;
    if (i < limit && text.at(i) == '/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < limit && isAsciiLetterOrDigit(text.at(i))) {
        ++i;
    }
    if (i == nameStart || !isAsciiLetter(text.at(nameStart))) {
        return std::nullopt;
    }
    tag.name = text.mid(nameStart, i - nameStart).toLower();
    const auto known = helpTags().constFind(tag.name);
    if (known == helpTags().constEnd()) {
        return std::nullopt;
    }
    tag.markup = (tag.closing ? "</" : "<") + tag.name;
    for (;;) {
        while (i < limit && text.at(i).isSpace()) {
            ++i;
        }
        if (i >= limit) {
            return std::nullopt;
        }
        if (text.at(i) == '>') {
            tag.end = i + 1;
            tag.markup += '>';
            return tag;
        }
        if (text.at(i) == '/') {
            ++i;
            continue;
        }
        const qsizetype attributeStart = i;
        while (i < limit && !text.at(i).isSpace() && text.at(i) != '=' && text.at(i) != '>' &&
               text.at(i) != '/') {
            ++i;
        }
        const QString attribute = text.mid(attributeStart, i - attributeStart).toLower();
        while (i < limit && text.at(i).isSpace()) {
            ++i;
        }
        if (i >= limit || text.at(i) != '=') {
            continue; // an attribute without a value: none of the format's
        }
        ++i;
        while (i < limit && text.at(i).isSpace()) {
            ++i;
        }
        if (i >= limit) {
            return std::nullopt;
        }
        QString value;
        if (text.at(i) == '"' || text.at(i) == '\'') {
            const qsizetype length =
                QStringView(text).mid(i + 1, limit - i - 1).indexOf(text.at(i));
            if (length < 0) {
                return std::nullopt;
            }
            value = text.mid(i + 1, length);
            i += length + 2;
        } else {
            const qsizetype valueStart = i;
            while (i < limit && !text.at(i).isSpace() && text.at(i) != '>') {
                ++i;
            }
            value = text.mid(valueStart, i - valueStart);
        }
        if (!tag.closing && known->contains(attribute)) {
            tag.markup += ' ' + attribute + "=\"" + QString(value).replace('"', "&quot;") + '"';
        }
    }
}

QString decode(const QByteArray& bytes) {
    // As the viewer itself decodes an HTML file: its declared character set, else UTF-8.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder(bytes);
}

} // namespace

std::optional<QString> HelpFileText::prepare(const QByteArray& bytes) {
    if (bytes.size() > kMaxBytes) {
        return std::nullopt;
    }
    const QString text = decode(bytes);
    QString prepared;
    prepared.reserve(text.size());
    QStringList open;
    int tags = 0;
    // Once a comment or declaration finds no end, none after it can: no search runs twice.
    bool commentsEnd = true;
    bool declarationsEnd = true;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype next = text.indexOf('<', i);
        if (next < 0) {
            prepared += QStringView(text).mid(i);
            break;
        }
        prepared += QStringView(text).mid(i, next - i);
        i = next;
        if (QStringView(text).mid(i, 4) == u"<!--" && commentsEnd) {
            const qsizetype end = text.indexOf("-->", i + 4);
            if (end >= 0) {
                i = end + 3;
                continue;
            }
            commentsEnd = false;
        } else if (QStringView(text).mid(i, 2) == u"<!" && declarationsEnd) {
            const qsizetype end = text.indexOf('>', i + 2);
            if (end >= 0) {
                i = end + 1;
                continue;
            }
            declarationsEnd = false;
        } else if (const std::optional<Tag> tag = parseTag(text, i)) {
            if (++tags > kMaxTags) {
                return std::nullopt;
            }
            if (tag->closing) {
                const qsizetype at = open.lastIndexOf(tag->name);
                if (at >= 0) {
                    open.resize(at);
                }
            } else if (!isVoid(tag->name)) {
                const QStringList ended = endedBy(tag->name);
                while (!open.isEmpty() && ended.contains(open.last())) {
                    open.removeLast();
                }
                open.append(tag->name);
                if (open.size() > kMaxDepth) {
                    return std::nullopt;
                }
            }
            prepared += tag->markup;
            i = tag->end;
            continue;
        }
        prepared += "&lt;"; // not markup of the format: shown as text
        ++i;
    }
    return prepared;
}

std::optional<QString> HelpFileText::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes) {
        return std::nullopt;
    }
    // Read no more than the limit allows, also from a file that grows meanwhile.
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return prepare(bytes);
}
