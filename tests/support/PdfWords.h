#pragma once

#include "PrintDocument.h"

#include <gtest/gtest.h>

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

// Where the text of a printed PDF file lands, as poppler's pdftotext reads it back (-bbox), to
// hold it against a document's own layout.
namespace PdfWords {

struct Word {
    int page = 0; // from 0
    QString text;
    QRectF box; // points from the paper's top left corner
};

// The words of the file, page by page; nothing when pdftotext is not installed or fails.
std::optional<QList<Word>> read(const QString& pdfFile);

// The text of each page of the file, its words joined by blanks; nothing when the file cannot
// be read.
std::optional<QStringList> pageTexts(const QString& pdfFile);

// How far the printed text lies from where the document placed it, in points: the largest
// distance of the start of a placed text's first word from where the layout put it. Every text
// must be found; a text that is missing in the file counts as infinitely far.
struct Offset {
    double x = 0;
    double y = 0;
    QString worst; // the text furthest off
};
Offset offsetFrom(const PrintDocument& document, const QList<Word>& words);

// Whether a PDF file holds the document's pages with every text within a point of its place.
testing::AssertionResult printedAsLaidOut(const QString& pdfFile, const PrintDocument& document);

} // namespace PdfWords
