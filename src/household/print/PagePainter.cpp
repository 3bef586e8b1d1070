#include "PagePainter.h"

#include "TextMeasure.h"

#include <QPainter>

namespace {

struct ItemPainter {
    QPainter& painter;

    void operator()(const PrintText& text) const {
        painter.save();
        painter.translate(text.x, text.y + TextMeasure::ascent(text.font));
        const double scale = referenceScale(text.font);
        painter.scale(scale, scale);
        painter.setFont(referenceFont(text.font));
        painter.setPen(text.colour);
        painter.drawText(QPointF(0, 0), text.text);
        painter.restore();
    }
    void operator()(const PrintLine& line) const {
        painter.setPen(QPen(line.colour, 0));
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    void operator()(const PrintBox& box) const {
        if (box.fill) {
            painter.fillRect(box.rect, *box.fill);
        }
        if (box.outline) {
            painter.setPen(QPen(*box.outline, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.rect);
        }
    }
};

} // namespace

void paintPrintPage(QPainter& painter, const PrintDocument& document, int pageIndex) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(document.pages.size())) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PrintItem& item : document.pages[pageIndex].items) {
        std::visit(ItemPainter{painter}, item);
    }
    painter.restore();
}
