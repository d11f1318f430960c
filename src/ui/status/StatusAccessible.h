#pragma once

#include <QAccessibleWidget>

namespace vesk {

class StatusModel;

// What a screen reader sees of the painted status view: a pane named "Status" whose
// description is the status in words (the vitals and each side of the fight), current
// whenever it is asked for.
class StatusAccessible : public QAccessibleWidget {
public:
    StatusAccessible(QWidget* view, const StatusModel& model);

    QString text(QAccessible::Text type) const override;

    // Gives every status view this interface.
    static void install();

private:
    const StatusModel& model_;
};

} // namespace vesk
