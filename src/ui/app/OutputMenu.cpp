// The right-click menu of the text panes: actions on the word under the pointer, copying the
// whole buffer and clearing the pane.
#include "app/MainWindow.h"
#include "common/TextBoundary.h"

#include "app/Client.h"
#include "app/QtHost.h"
#include "display/FindDialog.h"
#include "display/OutputView.h"

#include <QMenu>

namespace vesk {

namespace {

QString quoted(const char* format, const std::string& word) {
    return QString(format).arg(toQString(word));
}

} // namespace

void MainWindow::showOutputMenu(OutputView& view, QPoint position) {
    buildOutputMenu(view, position)->popup(view.mapToGlobal(position));
}

QMenu* MainWindow::buildOutputMenu(OutputView& view, QPoint position) {
    const auto examine = view.wordAt(position, examineDelimiters);
    const auto link = view.wordAt(position, linkDelimiters);
    CommandSender& sender = client_.commandSender();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (examine) {
        menu->addAction(quoted("Examine '%1'", *examine), this, [&sender, word = *examine] {
            sender.SendUserCommand("exa " + word, true);
        });
    }
    if (link) {
        menu->addAction(quoted("Goto URL '%1'", *link), this,
                        [this, word = *link] { host_.openUrl(LinkAddress(word)); });
    }
    if (client_.codingAccess()) {
        menu->addSeparator();
        if (link) {
            menu->addAction(quoted("MORE '%1'", *link), this, [&sender, word = *link] {
                sender.SendUserCommand("more " + word, true);
            });
            menu->addAction(quoted("*MORE '%1.c'", *link), this, [&sender, word = *link] {
                sender.SendUserCommand("more " + word + ".c", true);
            });
            menu->addAction(quoted("OED '%1'", *link), this, [&sender, word = *link] {
                sender.SendUserCommand("oed " + word, true);
            });
        }
    }
    if (examine || link) {
        menu->addSeparator();
    }
    menu->addAction("Copy entire buffer", this,
                    [this] { host_.setClipboardText(QueryText(client_.mainBuffer())); });
    menu->addAction("Clear", this, [this, &view] {
        if (find_) {
            find_->close();
        }
        view.clear();
    });
    return menu;
}

} // namespace vesk
