#include "QtPrinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

QString QtPrinter::serifSubstituteFor(const QString& family) {
    QFont asked(family);
    asked.setStyleHint(QFont::Serif);
    return QFontInfo(asked).family();
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
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Printer::Result::Failed;
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            painter.end();
            return Printer::Result::Failed;
        }
        painter.save();
        painter.scale(printer.logicalDpiX() / kTwipsPerInch, printer.logicalDpiY() / kTwipsPerInch);
        job.paintPage(painter, page);
        painter.restore();
    }
    return painter.end() ? Printer::Result::Printed : Printer::Result::Failed;
}
