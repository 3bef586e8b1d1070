#pragma once

#include "PrintDocument.h"
#include "Printer.h"

#include <QPageLayout>

// Between the printer's page layouts and the twips of a document's page.
QPageLayout pageLayoutOf(const PageGeometry& page);
PageGeometry pageGeometryOf(const QPageLayout& layout);

// The document's pages as a print job; the job refers to document, which must outlive it.
Printer::Job printJobOf(const PrintDocument& document, const QString& title);
