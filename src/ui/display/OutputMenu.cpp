#include "display/OutputMenu.h"

#include "common/TextBoundary.h"
#include "display/OutputMenuModel.h"
#include "display/OutputView.h"
#include "display/TextSelection.h"

#include <QMenu>

namespace vesk {

QMenu* OutputMenu::build(OutputView& view, QPoint position, bool codingAccess, const Hooks& hooks,
                         QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto items = outputMenuItems(view.wordAt(position, examineDelimiters),
                                       view.wordAt(position, linkDelimiters), codingAccess);
    for (const OutputMenuItem& item : items) {
        using Action = OutputMenuItem::Action;
        const QString label = toQString(item.label);
        const std::string& argument = item.argument;
        switch (item.action) {
        case Action::SendCommand:
            menu->addAction(label, menu, [hooks, argument] { hooks.sendCommand(argument); });
            break;
        case Action::OpenAddress:
            menu->addAction(label, menu, [hooks, argument] { hooks.openAddress(argument); });
            break;
        case Action::CopyBuffer:
            menu->addAction(label, menu, [hooks] { hooks.copyBuffer(); });
            break;
        case Action::Clear:
            menu->addAction(label, menu, [hooks] { hooks.clear(); });
            break;
        case Action::Separator:
            menu->addSeparator();
            break;
        }
    }
    return menu;
}

} // namespace vesk
