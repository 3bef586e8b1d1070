#pragma once

#include "Printer.h"

class QPrinter;

class QtPrinter : public Printer {
public:
    std::optional<QString> fontFor(const QString& family) override;
    QString serifSubstituteFor(const QString& family) override;
    QPageLayout defaultPageLayout() override;
    bool pageSetup(QPageLayout& layout, QWidget* parent) override;
    Result print(const Job& job, QWidget* parent) override;
};

// Prints a job on a printer that the print dialog (or a caller) has chosen, a PDF file included:
// on the job's paper and orientation, drawn from the paper's corner, so each page comes out where
// the preview shows it; the pages of the dialog's page range, or all of them.
Printer::Result printJob(QPrinter& printer, const Printer::Job& job);

// The page layout of a new document where no printer can be asked: US letter, margins of an inch.
QPageLayout letterPageLayout();
