#pragma once

#include <QRect>

class QAbstractButton;
class QWidget;

// Lays captions out for this platform's fonts. A window's design gives each control a rectangle
// measured for the fonts it was drawn with; the fonts here may be wider. A button, option, check
// box, label or calendar whose caption does not fit grows into the free space beside it (to the
// side its text is aligned away from), up to its neighbours and its container's edge. Options
// side by side share their row by what their captions need, with a narrower gap after their
// indicators where the row is tight. A button still too narrow breaks its caption over two lines
// when its height holds them. What then still does not fit takes a smaller font, down to 6 points.
// Controls that a layout places are left to it: it gives them the room their captions ask.
namespace CaptionFit {

// Every control of the window and of the panels in it, shown or not.
void fitControls(QWidget& window);

// One control, and the controls inside it, after the window's code placed it anew.
void fitControl(QWidget& control);

// The room the style leaves a push button's, option's or check box's caption, in its coordinates.
QRect captionRoom(const QAbstractButton& button);

} // namespace CaptionFit
