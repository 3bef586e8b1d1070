#include "QtPrinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

constexpr double kTwipsPerInch = 1440;

bool hasPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

// The job's paper and orientation, drawn on whole: the document's margins lie inside its pages
// already. Full-page mode is set last, since setting a page ends it.
bool setPaperOf(QPrinter& printer, const Printer::Job& job) {
    const bool paper = printer.setPageSize(job.layout.pageSize()) &&
                       printer.setPageOrientation(job.layout.orientation());
    printer.setFullPage(true);
    return paper && printer.fullPage();
}

} // namespace

QPageLayout letterPageLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(72, 72, 72, 72), QPageLayout::Point);
}

std::optional<QString> QtPrinter::fontFor(const QString& family) {
    // The desktop prints, and writes PDF files, with the fonts it shows.
    if (family.trimmed().isEmpty() || !QFontDatabase::hasFamily(family)) {
        return std::nullopt;
    }
    return QFontInfo(QFont(family)).family();
}

QString QtPrinter::substituteFor(const QString& family) {
    // A font asked for by name, with no style hint, is the face fontconfig matches to the name:
    // for "Times New Roman" a face of Times' widths where the desktop has one. A serif hint would
    // put the desktop's serif face before it.
    const QString matched = QFontInfo(QFont(family)).family();
    // A name fontconfig knows nothing of gets its default face, the same as any unknown name.
    const QString unknown = QFontInfo(QFont(QStringLiteral("Korvane No Such Family"))).family();
    if (!matched.isEmpty() && matched != unknown) {
        return matched;
    }
    QFont serif(family);
    serif.setStyleHint(QFont::Serif);
    return QFontInfo(serif).family();
}

QPageLayout QtPrinter::defaultPageLayout() {
    if (!hasPrinter()) {
        return letterPageLayout();
    }
    QPrinter printer;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    layout.setMargins(QMarginsF(72, 72, 72, 72));
    return layout;
}

bool QtPrinter::pageSetup(QPageLayout& layout, QWidget* parent) {
    QPrinter printer;
    printer.setPageLayout(layout);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    layout = printer.pageLayout();
    return true;
}

Printer::Result QtPrinter::print(const Job& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    setPaperOf(printer, job); // what the dialog shows
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(1, job.pageCount));
    if (dialog.exec() != QDialog::Accepted) {
        return Result::Cancelled;
    }
    return printJob(printer, job);
}

std::vector<int> printedPages(int first, int last, const PrintCopies& copies) {
    std::vector<int> once;
    for (int page = first; page <= last; ++page) {
        once.push_back(page);
    }
    if (copies.lastPageFirst) {
        std::reverse(once.begin(), once.end());
    }
    std::vector<int> pages;
    const int count = std::max(1, copies.count);
    if (copies.collate) {
        for (int copy = 0; copy < count; ++copy) {
            pages.insert(pages.end(), once.begin(), once.end());
        }
    } else {
        for (const int page : once) {
            pages.insert(pages.end(), std::size_t(count), page);
        }
    }
    return pages;
}

Printer::Result printJob(QPrinter& printer, const Printer::Job& job) {
    // After the dialog: a printer or file chosen there may have brought its own paper.
    if (!setPaperOf(printer, job)) {
        return Printer::Result::Failed;
    }
    int first = 0;
    int last = job.pageCount - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage() - 1);
        last = std::min(last, printer.toPage() - 1);
    }
    // A printer that makes copies itself is sent each page once; the PDF engine makes none, so
    // its copies are painted here. Neither engine turns the page order round.
    const bool printerCopies = printer.supportsMultipleCopies();
    const std::vector<int> pages =
        printedPages(first, last,
                     {printerCopies ? 1 : printer.copyCount(), printer.collateCopies(),
                      printer.pageOrder() == QPrinter::LastPageFirst});
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Printer::Result::Failed;
    }
    for (std::size_t sheet = 0; sheet < pages.size(); ++sheet) {
        if (sheet > 0 && !printer.newPage()) {
            painter.end();
            return Printer::Result::Failed;
        }
        painter.save();
        painter.scale(printer.logicalDpiX() / kTwipsPerInch, printer.logicalDpiY() / kTwipsPerInch);
        job.paintPage(painter, pages[sheet]);
        painter.restore();
    }
    return painter.end() ? Printer::Result::Printed : Printer::Result::Failed;
}
