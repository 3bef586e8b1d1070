#pragma once

class QString;
class QWidget;

// What a screen reader is told of a change it would not hear by itself: a question, a verdict, a
// count or a message that appears while the focus stays on another control. Each window has one
// notification object, not shown and never focused, that carries the text; a screen reader
// speaks a notification as it appears. Every window announces through here.
namespace Announcement {

// Tells a listening screen reader text, from the window that holds control. The texts told while
// one handler runs are spoken together, in the order told, once it returns or pauses with the
// event loop running (a timed pause: what shows during it is heard during it), after what the
// screen reader says of a focus move the handler made; a control that told twice meanwhile is
// heard with its last text. Nothing is told of a control that does
// not show, nor of an empty text, nor while no assistive technology listens.
void announce(QWidget& control, const QString& text);

// The window's notification object, made at its first announcement; null before it.
QWidget* notifier(const QWidget& window);

} // namespace Announcement
