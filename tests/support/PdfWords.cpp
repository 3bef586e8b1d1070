#include "PdfWords.h"

#include "TextMeasure.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

#include <cmath>
#include <limits>

namespace PdfWords {

std::optional<QList<Word>> read(const QString& pdfFile) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(pdftotext, {"-bbox", pdfFile, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return std::nullopt;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    // A word that reaches past the paper's top or left edge has a negative place: it is read too.
    static const QRegularExpression tag(
        R"re(<page\b|<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" xMax="(-?[\d.]+)" yMax="(-?[\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    int page = -1;
    for (const QRegularExpressionMatch& match : tag.globalMatch(html)) {
        if (match.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.append({page, QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText(),
                      QRectF(topLeft, bottomRight)});
    }
    return words;
}

std::optional<QStringList> pageTexts(const QString& pdfFile) {
    const auto words = read(pdfFile);
    if (!words) {
        return std::nullopt;
    }
    QStringList pages;
    for (const Word& word : *words) {
        while (pages.size() <= word.page) {
            pages.append(QString());
        }
        QString& page = pages[word.page];
        page += (page.isEmpty() ? "" : " ") + word.text;
    }
    return pages;
}

Offset offsetFrom(const PrintDocument& document, const QList<Word>& words) {
    Offset worst;
    double worstDistance = -1;
    for (int page = 0; page < int(document.pages.size()); ++page) {
        for (const PrintItem& item : document.pages[std::size_t(page)].items) {
            const auto* text = std::get_if<PrintText>(&item);
            const QString trimmed = text ? text->text.trimmed() : QString();
            if (trimmed.isEmpty()) {
                continue;
            }
            // Where the first word starts: after the blanks the text begins with.
            const QString first = trimmed.section(' ', 0, 0, QString::SectionSkipEmpty);
            const qsizetype blanks = text->text.indexOf(first);
            const QPointF placed(
                (text->x + TextMeasure::width(text->font, text->text.left(blanks))) /
                    PrintUnits::kTwipsPerPoint,
                text->y / PrintUnits::kTwipsPerPoint);
            double distance = std::numeric_limits<double>::infinity();
            QPointF off(distance, distance);
            for (const Word& word : words) {
                if (word.page != page || word.text != first) {
                    continue;
                }
                const QPointF d = word.box.topLeft() - placed;
                if (std::hypot(d.x(), d.y()) < distance) {
                    distance = std::hypot(d.x(), d.y());
                    off = d;
                }
            }
            if (distance > worstDistance) {
                worstDistance = distance;
                worst = Offset{off.x(), off.y(), text->text};
            }
        }
    }
    return worst;
}

testing::AssertionResult printedAsLaidOut(const QString& pdfFile, const PrintDocument& document) {
    const std::optional<QList<Word>> words = read(pdfFile);
    if (!words) {
        return testing::AssertionFailure()
               << "no text read from " << pdfFile.toStdString()
               << " (pdftotext comes with poppler-utils, which scripts/setup installs)";
    }
    const int pages = words->isEmpty() ? 0 : words->last().page + 1;
    if (pages != int(document.pages.size())) {
        return testing::AssertionFailure()
               << pages << " pages with text printed, " << document.pages.size() << " laid out";
    }
    const Offset offset = offsetFrom(document, *words);
    if (std::abs(offset.x) > 1 || std::abs(offset.y) > 1) {
        return testing::AssertionFailure()
               << "\"" << offset.worst.toStdString() << "\" printed " << offset.x
               << " pt right and " << offset.y << " pt down of its place";
    }
    return testing::AssertionSuccess();
}

} // namespace PdfWords
