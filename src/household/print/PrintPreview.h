#pragma once

#include "PrintLayout.h"
#include "Printer.h"

#include <QAbstractScrollArea>

class Clipboard;

// The print-preview control: holds the document a builder lays out and shows its pages one under
// another, either each page whole in view or the page width filling the control. Guide lines
// show the margins dashed on screen and are never printed. Controls standing over its top edge
// (its corner buttons) hide neither the pages nor the scroll bar. The page chosen in the page setup
// stays with the control. A screen reader reads the page in view and its number.
class PrintPreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kWholePage = 3;
    static constexpr int kPageWidth = 4;

    PrintPreview(Printer& printer, Clipboard& clipboard, QWidget* parent = nullptr);

    // Where builders write. After a build, refresh() shows the new document.
    PrintLayout& layout() { return layout_; }
    const PrintLayout& layout() const { return layout_; }
    // Redraws the document from its shown page.
    void refresh();

    int zoom() const { return zoom_; }
    void setZoom(int mode);
    int guideLines() const { return guideLines_; }
    void setGuideLines(int on);
    // 0 portrait, 1 landscape.
    int orientation() const;
    void setOrientation(int orientation);

    // The page in view (counting from 1), by the largest share of the control.
    int pageInView() const;
    // Where a page (counting from 1) stands in the control's viewport, as scrolled now.
    QRectF pageRect(int page) const;
    // Where an area of the first page (in twips) shows, in the control's coordinates.
    QRect onScreen(const QRectF& pageArea) const;
    // The page drawn as a picture at the given resolution.
    QImage pagePicture(int page, double dotsPerInch) const;

    // Runs the page setup dialog; true when a page was chosen.
    bool pageSetup();
    // Puts the page in view on the clipboard as a picture; true when it got there.
    bool copyCurrentPage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How far down from the top edge controls standing over the preview (its corner buttons)
    // reach, in pixels.
    int coveredTop() const;
    // Leaves a band of that height above the pages and the scroll bar, so that those controls
    // hide none of them.
    void keepClearOfCover();
    // Pixels to a twip on screen, and the top of each page in the scrolled area.
    double scale() const;
    double pageTop(int pageIndex) const;
    double pageLeft() const;
    double pagePixelHeight() const;
    void updateScrollBars();
    void scrollToPage(int page);
    void announcePage();

    Printer& printer_;
    Clipboard& clipboard_;
    PrintLayout layout_;
    int zoom_ = kWholePage;
    int guideLines_ = 0;
    int announcedPage_ = 0;
};
