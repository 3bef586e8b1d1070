#pragma once

#include "PrintDocument.h"

#include <QDate>
#include <QString>

class PrintLayout;

// The date window's one-page printout: the title and the chosen date with its weekday, centred
// at 24 points, then a small line with the product's name and the day it was printed.
namespace DatePrintout {

constexpr const char* kTitle = "Calandar Function Printout";

// Replaces the layout's document by the printout of chosen, in fontName on page.
void build(PrintLayout& layout, const PageGeometry& page, const QString& fontName,
           const QDate& chosen, const QDate& today);

} // namespace DatePrintout
