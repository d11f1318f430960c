#pragma once

#include <QPoint>

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace vesk {

class OutputView;

// The right-click menu of a text pane: the core's items for the words under the pointer
// (OutputMenuModel), drawn as a pop-up menu whose items hand their action to the hooks.
class OutputMenu {
public:
    struct Hooks {
        std::function<void(const std::string& command)> sendCommand;
        std::function<void(const std::string& address)> openAddress;
        std::function<void()> copyBuffer;
        std::function<void()> clear;
    };

    // The menu for a point of the view, not yet shown; it deletes itself once closed.
    static QMenu* build(OutputView& view, QPoint position, bool codingAccess, const Hooks& hooks,
                        QWidget* parent);
};

} // namespace vesk
