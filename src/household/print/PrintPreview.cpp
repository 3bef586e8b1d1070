#include "PrintPreview.h"

#include "Clipboard.h"
#include "PagePainter.h"
#include "PrintJob.h"
#include "PrintPreviewAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace {

constexpr int kGap = 10; // pixels around and between pages
// A copied page: sharp enough to read when pasted, small enough for any clipboard.
constexpr double kPictureDpi = 150;

} // namespace

PrintPreview::PrintPreview(Printer& printer, Clipboard& clipboard, QWidget* parent)
    : QAbstractScrollArea(parent), printer_(printer), clipboard_(clipboard) {
    // Before anything that tells a screen reader of the preview (its name): the first interface
    // asked for is kept for the preview's life, and it must be the one that reads the page.
    PrintPreviewAccessibility::install();
    layout_.setPage(pageGeometryOf(printer_.defaultPageLayout()));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Print preview"));
    // The band left above the pages for controls standing over the top edge looks as the area of
    // the pages does.
    for (QWidget* area : {static_cast<QWidget*>(this), viewport()}) {
        area->setBackgroundRole(QPalette::Dark);
        area->setAutoFillBackground(true);
    }
    // Controls standing over the top edge may be made, moved, shown or hidden after the preview.
    installEventFilter(this);
    if (parent != nullptr) {
        parent->installEventFilter(this);
        for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            sibling->installEventFilter(this);
        }
    }
    // Scrolling to another page gives a screen reader that page to read.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (pageInView() != announcedPage_) {
            announcePage();
        }
    });
}

void PrintPreview::announcePage() {
    announcedPage_ = pageInView();
    PrintPreviewAccessibility::pageChanged(*this);
}

void PrintPreview::refresh() {
    updateScrollBars();
    scrollToPage(layout_.shownPage());
    viewport()->update();
    announcePage();
}

void PrintPreview::setZoom(int mode) {
    zoom_ = mode == kPageWidth ? kPageWidth : kWholePage;
    const int page = pageInView();
    updateScrollBars();
    scrollToPage(page);
    viewport()->update();
}

void PrintPreview::setGuideLines(int on) {
    guideLines_ = on != 0 ? 1 : 0;
    viewport()->update();
}

int PrintPreview::orientation() const {
    return layout_.orientation() == PrintLayout::Orientation::Landscape ? 1 : 0;
}

void PrintPreview::setOrientation(int orientation) {
    layout_.setOrientation(orientation == 1 ? PrintLayout::Orientation::Landscape
                                            : PrintLayout::Orientation::Portrait);
}

int PrintPreview::coveredTop() const {
    const QWidget* container = parentWidget();
    if (container == nullptr) {
        return 0;
    }
    const QRect place = geometry();
    int covered = 0;
    // Only what is stacked above the preview stands over it: the children after it.
    const QObjectList& siblings = container->children();
    for (auto sibling = siblings.rbegin(); sibling != siblings.rend() && *sibling != this;
         ++sibling) {
        const auto* over = qobject_cast<const QWidget*>(*sibling);
        if (over != nullptr && !over->isHidden() && !over->isWindow() &&
            over->geometry().intersects(place) && over->y() <= place.top() + frameWidth() + kGap) {
            covered = std::max(covered, over->geometry().bottom() + 1 - place.top());
        }
    }
    return covered;
}

void PrintPreview::keepClearOfCover() {
    // The pages and the scroll bar begin below what stands over the top edge.
    const int band = coveredTop();
    if (contentsMargins().top() != band) {
        setContentsMargins(0, band, 0, 0);
    }
}

bool PrintPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            child->installEventFilter(this);
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        if (watched != parentWidget()) {
            keepClearOfCover();
        }
        break;
    default:
        break;
    }
    return false;
}

double PrintPreview::scale() const {
    const PageGeometry& page = layout_.document().page;
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    const double widthScale = std::max(1, room.width()) / page.width;
    if (zoom_ == kPageWidth) {
        return widthScale;
    }
    return std::min(widthScale, std::max(1, room.height()) / page.height);
}

double PrintPreview::pagePixelHeight() const {
    return layout_.document().page.height * scale();
}

double PrintPreview::pageTop(int pageIndex) const {
    return kGap + std::max(0, pageIndex) * (pagePixelHeight() + kGap);
}

void PrintPreview::scrollToPage(int page) {
    // Each page comes into view where the first one stands.
    verticalScrollBar()->setValue(static_cast<int>(pageTop(page - 1) - kGap));
}

void PrintPreview::updateScrollBars() {
    const int pages = std::max(1, layout_.pageCount());
    const int total = static_cast<int>(std::ceil(pageTop(pages)));
    verticalScrollBar()->setRange(0, std::max(0, total - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 10));
}

int PrintPreview::pageInView() const {
    const int pages = layout_.pageCount();
    if (pages == 0) {
        return 1;
    }
    const double top = verticalScrollBar()->value();
    const double bottom = top + viewport()->height();
    int best = 0;
    double bestShare = -1;
    for (int page = 0; page < pages; ++page) {
        const double shown =
            std::min(bottom, pageTop(page) + pagePixelHeight()) - std::max(top, pageTop(page));
        if (shown > bestShare) {
            bestShare = shown;
            best = page;
        }
    }
    return best + 1;
}

double PrintPreview::pageLeft() const {
    const double width = layout_.document().page.width * scale();
    return std::max<double>(kGap, (viewport()->width() - width) / 2);
}

QRectF PrintPreview::pageRect(int page) const {
    return QRectF(pageLeft(), pageTop(page - 1) - verticalScrollBar()->value(),
                  layout_.document().page.width * scale(), pagePixelHeight());
}

QRect PrintPreview::onScreen(const QRectF& pageArea) const {
    const QRectF page = pageRect(1);
    const double pixels = scale();
    const QRectF area(page.topLeft() + pageArea.topLeft() * pixels, pageArea.size() * pixels);
    return area.toAlignedRect().translated(viewport()->pos());
}

void PrintPreview::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const PrintDocument& document = layout_.document();
    const double pixels = scale();
    for (int page = 0; page < std::max(1, layout_.pageCount()); ++page) {
        const QRectF area = pageRect(page + 1);
        if (area.bottom() < 0 || area.top() > viewport()->height()) {
            continue;
        }
        painter.fillRect(area.translated(3, 3), palette().shadow());
        painter.fillRect(area, Qt::white);
        painter.save();
        painter.translate(area.topLeft());
        painter.scale(pixels, pixels);
        paintPrintPage(painter, document, page);
        if (guideLines_ != 0) {
            QPen dashed(Qt::gray, 0, Qt::DashLine);
            painter.setPen(dashed);
            painter.setBrush(Qt::NoBrush);
            const PageGeometry& g = document.page;
            painter.drawRect(
                QRectF(g.left, g.top, g.width - g.left - g.right, g.height - g.top - g.bottom));
        }
        painter.restore();
    }
}

void PrintPreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PrintPreview::keyPressEvent(QKeyEvent* event) {
    // Page Up and Page Down go from page to page.
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        const int step = event->key() == Qt::Key_PageDown ? 1 : -1;
        const int page = std::clamp(pageInView() + step, 1, std::max(1, layout_.pageCount()));
        scrollToPage(page);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

QImage PrintPreview::pagePicture(int page, double dotsPerInch) const {
    const PrintDocument& document = layout_.document();
    const double pixels = dotsPerInch / PrintUnits::kTwipsPerInch;
    QImage picture(QSizeF(document.page.width * pixels, document.page.height * pixels).toSize(),
                   QImage::Format_RGB32);
    if (picture.isNull()) {
        return picture;
    }
    picture.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254));
    picture.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(pixels, pixels);
    paintPrintPage(painter, document, page - 1);
    return picture;
}

bool PrintPreview::pageSetup() {
    QPageLayout chosen = pageLayoutOf(layout_.page());
    if (!printer_.pageSetup(chosen, window())) {
        return false;
    }
    layout_.setPage(pageGeometryOf(chosen));
    return true;
}

bool PrintPreview::copyCurrentPage() {
    if (layout_.pageCount() == 0) {
        return false;
    }
    return clipboard_.putPicture(pagePicture(pageInView(), kPictureDpi));
}
