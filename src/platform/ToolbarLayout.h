#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Which buttons of a toolbar show and in which order: every button number from 1 to the toolbar's
// count exactly once, in the order the buttons stand, each shown or hidden.
struct ToolbarButtonPlace {
    int number = 0;
    bool shown = true;
    bool operator==(const ToolbarButtonPlace&) const = default;
};
using ToolbarLayout = QList<ToolbarButtonPlace>;

namespace ToolbarLayouts {

// Buttons 1 to count in order, all shown.
ToolbarLayout designed(int count);
bool isValid(const ToolbarLayout& layout, int count);

// The stored form: the button numbers in order, separated by commas, a hidden button with a minus
// sign in front ("1,2,-3,5,4").
QByteArray encode(const ToolbarLayout& layout);
// Nothing for a value that is empty or does not name every button of the toolbar exactly once.
std::optional<ToolbarLayout> decode(const QByteArray& stored, int count);

} // namespace ToolbarLayouts
