#pragma once

#include "Printer.h"

#include <vector>

class QPrinter;

class QtPrinter : public Printer {
public:
    std::optional<QString> fontFor(const QString& family) override;
    QString substituteFor(const QString& family) override;
    QPageLayout defaultPageLayout() override;
    bool pageSetup(QPageLayout& layout, QWidget* parent) override;
    Result print(const Job& job, QWidget* parent) override;
};

// How many of each page the dialog asked for, and in which order.
struct PrintCopies {
    int count = 1;
    bool collate = false; // whole copies one after the other, else each page's copies together
    bool lastPageFirst = false; // each copy from its last page back
};

// The pages first to last (from 0) in the order they come off the printer: for two copies of
// pages 0 and 1, collated and last page first, 1 0 1 0; not collated, 1 1 0 0.
std::vector<int> printedPages(int first, int last, const PrintCopies& copies);

// Prints a job on a printer that the print dialog (or a caller) has chosen, a PDF file included:
// on the job's paper and orientation, drawn from the paper's corner, so each page comes out where
// the preview shows it; the pages of the dialog's page range, or all of them, in the copies,
// collation and page order the dialog asked for.
Printer::Result printJob(QPrinter& printer, const Printer::Job& job);

// The page layout of a new document where no printer can be asked: US letter, margins of an inch.
QPageLayout letterPageLayout();
