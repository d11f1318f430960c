#include "social/FriendsListsDialog.h"

#include "common/TextBoundary.h"

#include "preferences/Preferences.h"
#include "social/NameEntryDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {
namespace {

QPushButton* addButton(const QString& text, QVBoxLayout* layout, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

FriendsListsDialog::FriendsListsDialog(Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences), edited_(preferences.friends) {
    setWindowTitle(tr("Friends Lists"));
    askName_ = [this](const QString& title, const QString& text, int maxLength) {
        return NameEntryDialog::ask(this, title, text, maxLength);
    };
    showError_ = [this](const QString& caption, const QString& text) {
        QMessageBox::critical(this, caption, text);
    };
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildListsBox());
    columns->addWidget(buildFriendsBox());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    fillLists(edited_.size() > 0 ? 0 : -1);
}

QWidget* FriendsListsDialog::buildListsBox() {
    auto* box = new QGroupBox(tr("Lists"), this);
    lists_ = new QListWidget(box);
    lists_->setObjectName("lists");
    lists_->setAccessibleName(box->title());
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(lists_, 1);
    connect(addButton(tr("New List"), layout, box), &QPushButton::clicked, this,
            &FriendsListsDialog::newList);
    connect(addButton(tr("Delete List"), layout, box), &QPushButton::clicked, this,
            &FriendsListsDialog::deleteList);
    connect(lists_, &QListWidget::currentRowChanged, this, [this] { fillMembers(-1); });
    connect(lists_, &QListWidget::itemDoubleClicked, this, &FriendsListsDialog::renameList);
    return box;
}

QWidget* FriendsListsDialog::buildFriendsBox() {
    auto* box = new QGroupBox(tr("Friends"), this);
    members_ = new QListWidget(box);
    members_->setObjectName("friends");
    members_->setAccessibleName(box->title());
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(members_, 1);
    connect(addButton(tr("Add Friend"), layout, box), &QPushButton::clicked, this,
            &FriendsListsDialog::addFriend);
    connect(addButton(tr("Remove Friend"), layout, box), &QPushButton::clicked, this,
            &FriendsListsDialog::removeFriend);
    connect(members_, &QListWidget::itemDoubleClicked, this, &FriendsListsDialog::editFriend);
    return box;
}

void FriendsListsDialog::run(Preferences& preferences, QWidget* parent) {
    FriendsListsDialog dialog(preferences, parent);
    dialog.exec();
}

void FriendsListsDialog::done(int result) {
    preferences_.friends = edited_;
    QDialog::done(result);
}

void FriendsListsDialog::fillLists(int selected) {
    {
        const QSignalBlocker blocker(lists_);
        lists_->clear();
        for (const auto& list : edited_.lists()) {
            lists_->addItem(toQString(list.name));
        }
        lists_->setCurrentRow(selected);
    }
    fillMembers(-1);
}

void FriendsListsDialog::fillMembers(int selected) {
    members_->clear();
    const int list = selectedList();
    if (list < 0) {
        return;
    }
    for (const auto& member : edited_[static_cast<std::size_t>(list)].members) {
        members_->addItem(toQString(member));
    }
    members_->setCurrentRow(selected);
}

int FriendsListsDialog::selectedList() const {
    const int row = lists_->currentRow();
    return row >= 0 && row < static_cast<int>(edited_.size()) ? row : -1;
}

int FriendsListsDialog::selectedMember() const {
    return members_->currentItem() != nullptr ? members_->currentRow() : -1;
}

bool FriendsListsDialog::requireList() {
    if (selectedList() >= 0) {
        return true;
    }
    showError_(tr("Add Friend"), tr("First select a Friends List"));
    return false;
}

// An entry without any word is ignored by the lists themselves, so a cancelled or blank
// entry never creates an empty name. An entry left as it was gives back the stored bytes.
std::optional<std::string> FriendsListsDialog::askFor(const QString& title, std::string_view stored,
                                                      int maxLength) {
    const auto answer = askName_(title, toQString(stored), maxLength);
    if (!answer) {
        return std::nullopt;
    }
    return keptBytes(answer->left(maxLength), stored);
}

} // namespace vesk
