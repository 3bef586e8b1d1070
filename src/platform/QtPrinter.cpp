#include "QtPrinter.h"

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

} // namespace

QPageLayout letterPageLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(72, 72, 72, 72), QPageLayout::Point);
}

std::optional<QString> QtPrinter::fontFor(const QString& family) {
    if (!hasPrinter() || family.trimmed().isEmpty()) {
        return std::nullopt;
    }
    // The desktop prints with the fonts it shows: the printer's font is the one the font
    // configuration matches to the name.
    return QFontInfo(QFont(family)).family();
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

Printer::Result QtPrinter::print(const Job& job, bool askFirst, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    printer.setPageLayout(job.layout);
    if (askFirst) {
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, std::max(1, job.pageCount));
        if (dialog.exec() != QDialog::Accepted) {
            return Result::Cancelled;
        }
    } else if (!hasPrinter()) {
        return Result::Failed;
    }
    return paintJob(printer, job) ? Result::Printed : Result::Failed;
}

bool paintJob(QPagedPaintDevice& device, const Printer::Job& job) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        // Twips count from the paper's edge, not from the printable area.
        printer->setFullPage(true);
    }
    if (!device.setPageLayout(job.layout)) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double scale = device.logicalDpiX() / kTwipsPerInch;
    for (int page = 0; page < job.pageCount; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, device.logicalDpiY() / kTwipsPerInch);
        job.paintPage(painter, page);
        painter.restore();
    }
    return painter.end();
}
