#pragma once

#include "Printer.h"

class QPagedPaintDevice;

class QtPrinter : public Printer {
public:
    std::optional<QString> fontFor(const QString& family) override;
    QPageLayout defaultPageLayout() override;
    bool pageSetup(QPageLayout& layout, QWidget* parent) override;
    Result print(const Job& job, bool askFirst, QWidget* parent) override;
};

// Paints every page of a job onto a paged device (a printer, a PDF file) whose page layout is set;
// false when the device could not be painted on.
bool paintJob(QPagedPaintDevice& device, const Printer::Job& job);

// The page layout of a new document where no printer can be asked: US letter, margins of an inch.
QPageLayout letterPageLayout();
