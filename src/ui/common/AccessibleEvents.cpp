#include "common/AccessibleEvents.h"

#include <QAccessible>

namespace vesk::AccessibleEvents {
namespace {

// Qt hands out the installed handler only in exchange for another, so it is put straight back.
QAccessible::UpdateHandler installedHandler() {
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    return handler;
}

} // namespace

bool listening() {
    return QAccessible::isActive() || installedHandler() != nullptr;
}

void deliver(QAccessibleEvent& event) {
    if (QAccessible::isActive()) {
        QAccessible::updateAccessibility(&event);
    } else if (const QAccessible::UpdateHandler handler = installedHandler()) {
        handler(&event);
    }
}

} // namespace vesk::AccessibleEvents
