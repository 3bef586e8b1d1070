#include "PrintLayout.h"

#include "TextMeasure.h"

#include <algorithm>

namespace {

// Hard line breaks: a carriage return, a line feed, or both together.
QStringList hardLines(const QString& text) {
    QString joined = text;
    joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    joined.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return joined.split(QLatin1Char('\n'));
}

// Space around a table cell's text, in twips.
constexpr double kCellPadding = 60;

} // namespace

void PrintLayout::setPage(const PageGeometry& page) {
    page_ = page;
}

PrintLayout::Orientation PrintLayout::orientation() const {
    return page_.width > page_.height ? Orientation::Landscape : Orientation::Portrait;
}

void PrintLayout::setOrientation(Orientation orientation) {
    if (orientation != this->orientation()) {
        std::swap(page_.width, page_.height);
    }
}

void PrintLayout::setMargins(double left, double top, double right, double bottom) {
    page_.left = left;
    page_.top = top;
    page_.right = right;
    page_.bottom = bottom;
}

double PrintLayout::textWidth(const QString& text) const {
    return TextMeasure::width(font_, text);
}

double PrintLayout::textHeight(const QString& text) const {
    if (text.isEmpty()) {
        return 0;
    }
    QStringList lines = hardLines(text);
    if (lines.size() > 1 && lines.last().isEmpty()) {
        lines.removeLast();
    }
    qsizetype count = 0;
    for (const QString& line : lines) {
        count += wrap(line, page_.left).size();
    }
    return count * TextMeasure::lineHeight(font_);
}

void PrintLayout::clear() {
    document_ = PrintDocument{page_, {}};
    inDocument_ = false;
    shownPage_ = 1;
}

void PrintLayout::startDocument() {
    document_ = PrintDocument{page_, {PrintPage{}}};
    inDocument_ = true;
    shownPage_ = 1;
    x_ = page_.left;
    y_ = page_.top;
}

qsizetype PrintLayout::fittingLength(const QString& text, double room) const {
    // A long text is never measured whole: the length doubles until it no longer fits. Then the
    // gap between what fits and what does not is halved until they meet.
    constexpr qsizetype kShort = 256;
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    if (text.size() > kShort) {
        tooLong = kShort / 4;
        while (tooLong < text.size() && textWidth(text.left(tooLong)) <= room) {
            fits = tooLong;
            tooLong *= 2;
        }
        tooLong = std::min(tooLong, text.size());
    }
    if (tooLong == text.size() && textWidth(text) <= room) {
        return text.size();
    }
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        (textWidth(text.left(middle)) <= room ? fits : tooLong) = middle;
    }
    return fits;
}

QStringList PrintLayout::wrap(const QString& text, double firstX) const {
    QStringList lines;
    QString rest = text;
    double x = firstX;
    while (true) {
        const qsizetype fits = fittingLength(rest, rightEdge() - x);
        if (fits == rest.size()) {
            lines.append(rest);
            return lines;
        }
        // Break at the last blank within what fits; a word wider than the line breaks between
        // letters, taking at least one, so that every line takes something.
        const qsizetype blank = rest.lastIndexOf(' ', fits);
        qsizetype cut = blank > 0 ? blank : std::max<qsizetype>(1, fits);
        lines.append(rest.left(cut));
        while (cut < rest.size() && rest.at(cut) == ' ') {
            ++cut;
        }
        rest = rest.mid(cut);
        x = page_.left;
        if (rest.isEmpty()) {
            return lines;
        }
    }
}

void PrintLayout::place(PrintItem item) {
    if (document_.pages.empty()) {
        document_.pages.emplace_back();
    }
    document_.pages.back().items.push_back(std::move(item));
}

void PrintLayout::makeRoomFor(double height) {
    if (y_ + height > bottomEdge() && y_ > page_.top) {
        newPage();
    }
}

void PrintLayout::paragraph(const QString& text) {
    const double height = TextMeasure::lineHeight(font_);
    for (const QString& hardLine : hardLines(text)) {
        for (const QString& line : wrap(hardLine, x_)) {
            makeRoomFor(height);
            if (!line.isEmpty()) {
                place(PrintText{x_, y_, line, font_, textColour_});
            }
            y_ += height;
            x_ = page_.left;
        }
    }
}

void PrintLayout::text(const QString& text) {
    if (!text.isEmpty()) {
        place(PrintText{x_, y_, text, font_, textColour_});
    }
    x_ += textWidth(text);
}

void PrintLayout::unwrappedLine(const QString& text) {
    const double height = TextMeasure::lineHeight(font_);
    makeRoomFor(height);
    if (!text.isEmpty()) {
        place(PrintText{x_, y_, text, font_, textColour_});
    }
    y_ += height;
    x_ = page_.left;
}

void PrintLayout::line(double x1, double y1, double x2, double y2) {
    place(PrintLine{x1, y1, x2, y2, lineColour_});
}

void PrintLayout::box(double x, double y, double width, double height) {
    place(PrintBox{QRectF(x, y, width, height), lineColour_, std::nullopt});
}

void PrintLayout::filledBox(double x, double y, double width, double height, const QColor& fill) {
    place(PrintBox{QRectF(x, y, width, height), std::nullopt, fill});
}

void PrintLayout::newPage() {
    if (document_.pages.empty()) {
        document_.pages.emplace_back();
    }
    document_.pages.emplace_back();
    x_ = page_.left;
    y_ = page_.top;
}

void PrintLayout::table(const PrintTable& table) {
    for (int row = 0; row < table.rowCount(); ++row) {
        double height = 0;
        for (int column = 0; column < table.columnCount(); ++column) {
            const PrintFont font = table.cell(row, column).font.value_or(font_);
            height = std::max(height, TextMeasure::lineHeight(font) + 2 * kCellPadding);
        }
        height = table.rowHeight(row).value_or(height);
        makeRoomFor(height);
        double left = page_.left;
        for (int column = 0; column < table.columnCount(); ++column) {
            const PrintTable::Cell& cell = table.cell(row, column);
            const double width = table.columnWidth(column);
            const QRectF area(left, y_, width, height);
            if (cell.background) {
                filledBox(area.x(), area.y(), width, height, *cell.background);
            }
            box(area.x(), area.y(), width, height);
            if (!cell.text.isEmpty()) {
                const PrintFont font = cell.font.value_or(font_);
                const QRectF inside =
                    area.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding);
                const double textWidth = TextMeasure::width(font, cell.text);
                const double lineHeight = TextMeasure::lineHeight(font);
                double x = inside.left();
                if (cell.alignment & Qt::AlignRight) {
                    x = inside.right() - textWidth;
                } else if (cell.alignment & Qt::AlignHCenter) {
                    x = inside.center().x() - textWidth / 2;
                }
                double y = inside.top();
                if (cell.alignment & Qt::AlignBottom) {
                    y = inside.bottom() - lineHeight;
                } else if (cell.alignment & Qt::AlignVCenter) {
                    y = inside.center().y() - lineHeight / 2;
                }
                place(PrintText{x, y, cell.text, font, textColour_});
            }
            left += width;
        }
        y_ += height;
    }
    x_ = page_.left;
}

void PrintLayout::setShownPage(int page) {
    shownPage_ = std::clamp(page, 1, std::max(1, pageCount()));
}
