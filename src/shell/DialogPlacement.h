#pragma once

struct Services;
class QWidget;

// Where a dialog window stands: centred on the main window, lowered by its top offset (twips),
// and, when it has size factors, sized as that share of the main window.
struct DialogPlacement {
    double widthFactor = 0; // 0 = the dialog keeps its own size
    double heightFactor = 0;
    int topOffset = 0;

    void place(QWidget& dialog, const Services& services) const;
};
