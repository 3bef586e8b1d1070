#pragma once

#include "PrintDocument.h"
#include "PrintTable.h"

#include <QColor>
#include <QString>

// Lays a document out, item by item, the way a document builder writes it: a current position,
// a font and colours, paragraphs that wrap at words within the margins and carry on on a new page
// past the bottom margin, texts without a line end, lines, boxes and tables. Positions and sizes
// are twips from the paper's top left corner.
class PrintLayout {
public:
    enum class Orientation { Portrait, Landscape };

    // The page: its size in the current orientation and its margins. The margins stay as set
    // until they are set again, also across documents.
    const PageGeometry& page() const { return page_; }
    double pageWidth() const { return page_.width; }
    double pageHeight() const { return page_.height; }
    // The page and margins lay out what follows; a document keeps the page it started on.
    void setPage(const PageGeometry& page);
    Orientation orientation() const;
    void setOrientation(Orientation orientation);
    void setMargins(double left, double top, double right, double bottom);

    const PrintFont& font() const { return font_; }
    void setFont(const PrintFont& font) { font_ = font; }
    // A size the font cannot take (0 or less) keeps the one before.
    void setFontSize(double points) { font_.size = points > 0 ? points : font_.size; }
    void setUnderline(bool on) { font_.underline = on; }
    void setStrikeout(bool on) { font_.strikeout = on; }
    // The colour of text, and the colour of lines and box outlines.
    void setTextColour(const QColor& colour) { textColour_ = colour; }
    void setLineColour(const QColor& colour) { lineColour_ = colour; }

    // In the current font: the width of a text on one line, and the height of a text laid out
    // as a paragraph between the margins (a line break at its very end adds no line).
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    // Discards the document held; the next one starts empty.
    void clear();
    // Starts a new document of one empty page, at the top left margin; ends it.
    void startDocument();
    void endDocument() { inDocument_ = false; }
    bool inDocument() const { return inDocument_; }

    // Writes a text at the current position; each line of it goes on at the left margin, and the
    // position ends at the left margin under the last line. An empty text is one empty line.
    void paragraph(const QString& text);
    // Writes a text on one line at the current position; x moves on past it, y stays.
    void text(const QString& text);
    // Writes a text on one line at the current position, never wrapped (past the right margin if
    // it is that long), and moves to the left margin of the next line, as a paragraph does.
    void unwrappedLine(const QString& text);
    void line(double x1, double y1, double x2, double y2);
    // A rectangle outlined in the line colour, or filled with a colour.
    void box(double x, double y, double width, double height);
    void filledBox(double x, double y, double width, double height, const QColor& fill);
    // Output continues at the top margin of a new page.
    void newPage();
    // Draws the table at the current y from the left margin; y moves below it.
    void table(const PrintTable& table);

    int pageCount() const { return static_cast<int>(document_.pages.size()); }
    // The page on display, 1 to the page count.
    int shownPage() const { return shownPage_; }
    void setShownPage(int page);

    const PrintDocument& document() const { return document_; }

private:
    // The lines a text wraps into, the first starting at firstX.
    QStringList wrap(const QString& text, double firstX) const;
    // The longest start of text no wider than room.
    qsizetype fittingLength(const QString& text, double room) const;
    void place(PrintItem item);
    double rightEdge() const { return page_.width - page_.right; }
    double bottomEdge() const { return page_.height - page_.bottom; }
    // Breaks the page when a block of this height would pass the bottom margin, unless the block
    // starts the page: a block taller than the page still gets placed, so every layout ends.
    void makeRoomFor(double height);

    PageGeometry page_;
    PrintDocument document_;
    PrintFont font_;
    QColor textColour_{Qt::black};
    QColor lineColour_{Qt::black};
    double x_ = 1440;
    double y_ = 1440;
    bool inDocument_ = false;
    int shownPage_ = 1;
};
