#pragma once

class QAccessibleEvent;

namespace vesk {

// Where the client's news for assistive technology goes. Qt passes an event on only while an
// assistive technology is active through the platform's bridge; a platform without one (the
// offscreen platform, a desktop without an accessibility bus) drops it, even for an update
// handler installed to listen. Here an installed handler hears the event in that case too, so
// a tool or a test on such a platform hears what a screen reader would.
namespace AccessibleEvents {

// Whether anyone hears accessibility events now: worth the work of making them.
bool listening();
void deliver(QAccessibleEvent& event);

} // namespace AccessibleEvents
} // namespace vesk
