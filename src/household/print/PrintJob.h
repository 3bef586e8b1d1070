#pragma once

#include "Dialogs.h"
#include "PrintDocument.h"
#include "Printer.h"

#include <QPageLayout>

// Between the printer's page layouts and the twips of a document's page.
QPageLayout pageLayoutOf(const PageGeometry& page);
PageGeometry pageGeometryOf(const QPageLayout& layout);

// The document's pages as a print job; the job refers to document, which must outlive it.
Printer::Job printJobOf(const PrintDocument& document, const QString& title);

// Every window's Print: the document after the print dialog, which offers "Print to File" also
// without a printer. A print that failed is reported; a cancelled one passes in silence.
Printer::Result printDocument(Printer& printer, Dialogs& dialogs, const PrintDocument& document,
                              const QString& title, QWidget* parent);
