#include "Announce.h"

#include <QAccessible>
#include <QWidget>

namespace tessaro {
namespace {

AccessibleEventSink sink = &QAccessible::updateAccessibility;

} // namespace

AccessibleEventSink setAccessibleEventSink(AccessibleEventSink newSink)
{
    const AccessibleEventSink old = sink;
    sink = newSink ? newSink : &QAccessible::updateAccessibility;
    return old;
}

void announce(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    sink(&event);
}

} // namespace tessaro
