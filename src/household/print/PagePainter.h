#pragma once

#include "PrintDocument.h"

class QPainter;

// Draws one page of a document onto any painter (the preview, a printer, a PDF file, a picture)
// whose coordinates are twips from the paper's top left corner. Pages count from 0 here.
void paintPrintPage(QPainter& painter, const PrintDocument& document, int pageIndex);
