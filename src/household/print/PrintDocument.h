#pragma once

#include "PrintFont.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// A laid-out document: pages of items placed in twips from the paper's top left corner.

struct PrintText {
    double x = 0;
    double y = 0; // the top of the line
    QString text;
    PrintFont font;
    QColor colour;
};

struct PrintLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    QColor colour;
};

struct PrintBox {
    QRectF rect;
    std::optional<QColor> outline;
    std::optional<QColor> fill;
};

using PrintItem = std::variant<PrintText, PrintLine, PrintBox>;

struct PrintPage {
    std::vector<PrintItem> items;
};

// The page's size and the margins inside it, in twips.
struct PageGeometry {
    double width = 12240; // US letter, portrait
    double height = 15840;
    double left = 1440;
    double top = 1440;
    double right = 1440;
    double bottom = 1440;
    bool operator==(const PageGeometry&) const = default;
};

struct PrintDocument {
    PageGeometry page;
    std::vector<PrintPage> pages;
};
