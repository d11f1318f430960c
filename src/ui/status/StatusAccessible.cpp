#include "status/StatusAccessible.h"

#include "common/TextBoundary.h"
#include "status/StatusView.h"
#include "status/StatusWords.h"

namespace vesk {
namespace {

QAccessibleInterface* statusFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vesk::StatusView") && object && object->isWidgetType()) {
        auto* view = static_cast<StatusView*>(object);
        return new StatusAccessible(view, view->model());
    }
    return nullptr;
}

} // namespace

StatusAccessible::StatusAccessible(QWidget* view, const StatusModel& model)
    : QAccessibleWidget(view, QAccessible::Pane), model_(model) {}

QString StatusAccessible::text(QAccessible::Text type) const {
    switch (type) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? QStringLiteral("Status")
                                                    : widget()->accessibleName();
    case QAccessible::Description:
        return toQString(describeStatus(model_));
    default:
        return QAccessibleWidget::text(type);
    }
}

void StatusAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(statusFactory);
        return true;
    }();
    (void)installed;
}

} // namespace vesk
