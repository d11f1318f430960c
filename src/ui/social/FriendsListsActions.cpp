// The actions of the "Friends Lists" dialog's buttons and double-clicks.
#include "social/FriendsListsDialog.h"

#include "common/TextBoundary.h"

#include <QListWidget>

namespace vesk {
namespace {

const QString listNameTitle = QStringLiteral("Friends List Name");
const QString friendNameTitle = QStringLiteral("Friend's Name");

std::size_t index(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

void FriendsListsDialog::newList() {
    const auto entry = askFor(listNameTitle, "UNNAMED", listNameLength);
    if (entry && edited_.addList(*entry)) {
        fillLists(static_cast<int>(edited_.size()) - 1);
    }
}

void FriendsListsDialog::renameList() {
    const int list = selectedList();
    if (list < 0) {
        return;
    }
    const auto entry = askFor(listNameTitle, edited_[index(list)].name, listNameLength);
    if (entry && edited_.renameList(index(list), *entry)) {
        lists_->item(list)->setText(toQString(edited_[index(list)].name));
    }
}

void FriendsListsDialog::deleteList() {
    const int list = selectedList();
    if (list < 0 || !edited_.removeList(index(list))) {
        return;
    }
    // The same position, or the last list when the deleted one was last.
    const int remaining = static_cast<int>(edited_.size());
    fillLists(remaining == 0 ? -1 : std::min(list, remaining - 1));
}

void FriendsListsDialog::addFriend() {
    if (!requireList()) {
        return;
    }
    const int list = selectedList();
    const auto entry = askFor(friendNameTitle, "", friendNameLength);
    if (entry && edited_.addMember(index(list), *entry)) {
        fillMembers(static_cast<int>(edited_[index(list)].members.size()) - 1);
    }
}

void FriendsListsDialog::removeFriend() {
    if (!requireList()) {
        return;
    }
    const int list = selectedList();
    const int member = selectedMember();
    if (member < 0 || !edited_.removeMember(index(list), index(member))) {
        return;
    }
    // The last member of the list becomes selected.
    fillMembers(static_cast<int>(edited_[index(list)].members.size()) - 1);
}

void FriendsListsDialog::editFriend() {
    if (!requireList()) {
        return;
    }
    const int list = selectedList();
    const int member = selectedMember();
    if (member < 0) {
        return;
    }
    const auto entry =
        askFor(friendNameTitle, edited_[index(list)].members[index(member)], friendNameLength);
    if (entry && edited_.replaceMember(index(list), index(member), *entry)) {
        fillMembers(member);
    }
}

} // namespace vesk
