#include "PrintJob.h"

#include "PagePainter.h"

namespace {

constexpr double kTwipsPerPoint = 20;

} // namespace

QPageLayout pageLayoutOf(const PageGeometry& page) {
    const bool landscape = page.width > page.height;
    const QSizeF portrait =
        landscape ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    const QPageSize size(portrait / kTwipsPerPoint, QPageSize::Point, QString(),
                         QPageSize::FuzzyMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(page.left, page.top, page.right, page.bottom) / kTwipsPerPoint,
                       QPageLayout::Point);
}

PageGeometry pageGeometryOf(const QPageLayout& layout) {
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    return PageGeometry{paper.width() * kTwipsPerPoint,   paper.height() * kTwipsPerPoint,
                        margins.left() * kTwipsPerPoint,  margins.top() * kTwipsPerPoint,
                        margins.right() * kTwipsPerPoint, margins.bottom() * kTwipsPerPoint};
}

Printer::Job printJobOf(const PrintDocument& document, const QString& title) {
    Printer::Job job;
    job.title = title;
    job.layout = pageLayoutOf(document.page);
    job.pageCount = static_cast<int>(document.pages.size());
    job.paintPage = [&document](QPainter& painter, int pageIndex) {
        paintPrintPage(painter, document, pageIndex);
    };
    return job;
}

Printer::Result printDocument(Printer& printer, Dialogs& dialogs, const PrintDocument& document,
                              const QString& title, QWidget* parent) {
    const Printer::Result result = printer.print(printJobOf(document, title), parent);
    if (result == Printer::Result::Failed) {
        dialogs.message({QStringLiteral("The document could not be printed."),
                         QStringLiteral("Print"), Dialogs::Icon::Exclamation});
    }
    return result;
}
