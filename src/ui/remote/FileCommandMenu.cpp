#include "remote/FileCommandMenu.h"

#include "common/TextBoundary.h"
#include "input/CommandSender.h"
#include "remote/FileBrowserModel.h"

#include <QMenu>

namespace vesk {
namespace {

using FileCommand = FileBrowserModel::FileCommand;

// A file name is shown as it is: an ampersand in it must not become a keyboard mnemonic.
QString MenuLabel(const FileBrowserModel& model, FileCommand command) {
    QString label = toQString(model.menuText(command));
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return label;
}

void AddCommand(QMenu* menu, FileBrowserModel& model, CommandSender& sender, FileCommand command) {
    QAction* action = menu->addAction(MenuLabel(model, command));
    action->setData(static_cast<int>(command));
    QObject::connect(action, &QAction::triggered, menu, [&model, &sender, command] {
        if (const auto text = model.commandText(command)) {
            sender.SendUserCommand(*text, true);
        }
    });
}

} // namespace

QMenu* FileCommandMenu::Create(FileBrowserModel& model, CommandSender& sender, QWidget* parent) {
    auto* menu = new QMenu(parent);
    AddCommand(menu, model, sender, FileCommand::More);
    menu->addSeparator();
    AddCommand(menu, model, sender, FileCommand::Clone);
    AddCommand(menu, model, sender, FileCommand::Update);
    menu->addSeparator();
    AddCommand(menu, model, sender, FileCommand::Edit);
    return menu;
}

} // namespace vesk
