#pragma once

class QWidget;

// How a window's widgets are placed: by the code that made them, or by a layout.
namespace WindowControls {

// Whether a layout of the widget's container (or a main window, which places its central widget,
// toolbars and status bar itself) decides the widget's geometry.
bool placedByLayout(const QWidget& widget);

// Widgets that place their own parts (lists, spin boxes, combo boxes, tab widgets, calendars,
// splitters, toolbars, status and menu bars): their children are no controls of the window.
bool placesOwnParts(const QWidget& widget);

} // namespace WindowControls
