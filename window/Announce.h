#pragma once

// Reading out a change to whoever listens: a screen reader speaks the text
// of a control that raises an alert.

class QAccessibleEvent;
class QWidget;

namespace tessaro {

// Where accessibility events go: the platform's screen reader bridge, or a
// listener of the caller's choice (as tests have, where no reader runs).
// Returns the one it replaces.
using AccessibleEventSink = void (*)(QAccessibleEvent*);
AccessibleEventSink setAccessibleEventSink(AccessibleEventSink sink);

// Announces the widget's current accessible name.
void announce(QWidget* widget);

} // namespace tessaro
