#include "RenderShot.h"
#include "SocialTests.h"

#include "preferences/Preferences.h"
#include "social/FriendsListsDialog.h"
#include "social/NameEntryDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <deque>
#include <memory>

using vesk::FriendsListsDialog;

namespace {

// Preferences with two lists, and a dialog whose entry dialogs and error box are scripted.
struct Fixture {
    vesk::Preferences preferences;
    std::deque<std::optional<QString>> answers;
    std::vector<QString> asked;
    std::vector<QString> errors;
    std::unique_ptr<FriendsListsDialog> dialog;

    explicit Fixture(bool withLists = true) {
        preferences.restoreDefaults();
        if (withLists) {
            preferences.friends.addList("Guild");
            preferences.friends.addMember(0, "Ann");
            preferences.friends.addMember(0, "Bob");
            preferences.friends.addList("Raid");
            preferences.friends.addMember(1, "Cid");
        }
        dialog = std::make_unique<FriendsListsDialog>(preferences);
        dialog->setAskName([this](const QString& title, const QString& text, int maxLength) {
            asked.push_back(title + "|" + text + "|" + QString::number(maxLength));
            auto answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty()) {
                answers.pop_front();
            }
            return answer;
        });
        dialog->setShowError([this](const QString& caption, const QString& text) {
            errors.push_back(caption + "|" + text);
        });
    }

    QListWidget* lists() { return dialog->findChild<QListWidget*>("lists"); }
    QListWidget* members() { return dialog->findChild<QListWidget*>("friends"); }
};

QStringList texts(QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

} // namespace

void FriendsListsDialogTest::opensOnTheFirstListWithItsMembers() {
    Fixture fixture;
    QCOMPARE(fixture.dialog->windowTitle(), QString("Friends Lists"));
    QCOMPARE(texts(fixture.lists()), (QStringList{"Guild", "Raid"}));
    QCOMPARE(fixture.lists()->currentRow(), 0);
    QCOMPARE(texts(fixture.members()), (QStringList{"Ann", "Bob"}));
    fixture.lists()->setCurrentRow(1);
    QCOMPARE(texts(fixture.members()), (QStringList{"Cid"}));
    fixture.lists()->setCurrentRow(0);
    fixture.dialog->resize(fixture.dialog->sizeHint());
    vesk::uitest::saveShot(*fixture.dialog, "friends-lists-dialog");
}

void FriendsListsDialogTest::newAndRenamedListsTakeTheFirstWord() {
    Fixture fixture;
    fixture.answers = {QString("Old friends"), QString("  Party time ")};
    fixture.dialog->newList();
    QCOMPARE(texts(fixture.lists()), (QStringList{"Guild", "Raid", "Old"}));
    QCOMPARE(fixture.lists()->currentRow(), 2);
    QVERIFY(texts(fixture.members()).isEmpty());

    fixture.lists()->setCurrentRow(1);
    fixture.dialog->renameList();
    QCOMPARE(texts(fixture.lists()), (QStringList{"Guild", "Party", "Old"}));
    QCOMPARE(fixture.lists()->currentRow(), 1);
    QCOMPARE(fixture.asked,
             (std::vector<QString>{"Friends List Name|UNNAMED|30", "Friends List Name|Raid|30"}));
    // The entry is held to 30 characters before its first word is taken.
    fixture.answers = {QString(40, 'x')};
    fixture.dialog->newList();
    QCOMPARE(fixture.dialog->edited()[3].name, std::string(30, 'x'));
}

void FriendsListsDialogTest::entriesWithoutAWordChangeNothing() {
    Fixture fixture;
    fixture.answers = {QString("   "), std::nullopt, QString(""), QString(" ")};
    fixture.dialog->newList();
    fixture.dialog->renameList();
    fixture.dialog->addFriend();
    fixture.members()->setCurrentRow(0);
    fixture.dialog->editFriend();
    QCOMPARE(texts(fixture.lists()), (QStringList{"Guild", "Raid"}));
    QCOMPARE(texts(fixture.members()), (QStringList{"Ann", "Bob"}));
    QVERIFY(fixture.errors.empty());
}

void FriendsListsDialogTest::deletingMovesTheSelectionAndTheOnlyListEmptiesBoth() {
    Fixture fixture;
    fixture.answers = {QString("Third")};
    fixture.dialog->newList();
    fixture.lists()->setCurrentRow(1);
    fixture.dialog->deleteList();
    QCOMPARE(texts(fixture.lists()), (QStringList{"Guild", "Third"}));
    QCOMPARE(fixture.lists()->currentRow(), 1);
    fixture.dialog->deleteList();
    QCOMPARE(fixture.lists()->currentRow(), 0);
    QCOMPARE(texts(fixture.members()), (QStringList{"Ann", "Bob"}));
    fixture.dialog->deleteList();
    QCOMPARE(fixture.lists()->count(), 0);
    QCOMPARE(fixture.members()->count(), 0);
    QCOMPARE(fixture.dialog->edited().size(), std::size_t{0});
}

void FriendsListsDialogTest::membersAreAddedReplacedAndRemoved() {
    Fixture fixture;
    fixture.answers = {QString("Dee the bold"), QString("Bea too")};
    fixture.dialog->addFriend();
    QCOMPARE(texts(fixture.members()), (QStringList{"Ann", "Bob", "Dee"}));
    QCOMPARE(fixture.members()->currentRow(), 2);
    fixture.members()->setCurrentRow(1);
    fixture.dialog->editFriend();
    QCOMPARE(texts(fixture.members()), (QStringList{"Ann", "Bea", "Dee"}));
    QCOMPARE(fixture.asked.back(), QString("Friend's Name|Bob|31"));
    fixture.members()->setCurrentRow(0);
    fixture.dialog->removeFriend();
    QCOMPARE(texts(fixture.members()), (QStringList{"Bea", "Dee"}));
    // The last member becomes selected.
    QCOMPARE(fixture.members()->currentRow(), 1);
    QVERIFY(fixture.errors.empty());
    QCOMPARE(fixture.preferences.friends[0].members.size(), std::size_t{2});
}

void FriendsListsDialogTest::memberActionsWithoutAListAreErrors() {
    Fixture fixture(false);
    fixture.dialog->addFriend();
    fixture.dialog->removeFriend();
    fixture.dialog->editFriend();
    const QString error = "Add Friend|First select a Friends List";
    QCOMPARE(fixture.errors, (std::vector<QString>{error, error, error}));
    QVERIFY(fixture.asked.empty());
}

void FriendsListsDialogTest::closingKeepsTheChanges() {
    Fixture fixture;
    fixture.answers = {QString("Zed")};
    fixture.dialog->addFriend();
    QCOMPARE(fixture.preferences.friends[0].members.size(), std::size_t{2});
    fixture.dialog->accept();
    QCOMPARE(fixture.preferences.friends[0].members.back(), std::string("Zed"));
}

void FriendsListsDialogTest::entryDialogIsPrefilledAndBounded() {
    vesk::NameEntryDialog dialog("Friends List Name", "UNNAMED", 30);
    QCOMPARE(dialog.windowTitle(), QString("Friends List Name"));
    QCOMPARE(dialog.text(), QString("UNNAMED"));
    auto* field = dialog.findChild<QLineEdit*>();
    QTest::keyClicks(field, QString(40, 'y'));
    QCOMPARE(dialog.text(), QString(30, 'y'));
    field->setText("UNNAMED");
    field->selectAll();
    vesk::uitest::saveShot(dialog, "friends-list-name-dialog");
}

// Names an older client wrote in Latin-1 show as their characters; an entry left as it was
// gives back the stored bytes, a changed one is stored as typed (UTF-8).
void FriendsListsDialogTest::eightBitNamesKeepTheirBytes() {
    Fixture fixture(false);
    fixture.preferences.friends.addList("Gu\xeflde");
    fixture.preferences.friends.addMember(0, "Ren\xe9");
    fixture.dialog = std::make_unique<FriendsListsDialog>(fixture.preferences);
    std::vector<QString> prefilled;
    std::deque<std::optional<QString>> changes = {std::nullopt, std::nullopt,
                                                  QString::fromUtf8("Ren\xc3\xa9"
                                                                    "e")};
    fixture.dialog->setAskName([&](const QString&, const QString& text, int) {
        prefilled.push_back(text);
        const std::optional<QString> changed = changes.front();
        changes.pop_front();
        return changed ? changed : std::optional<QString>(text);
    });
    QCOMPARE(texts(fixture.lists()), QStringList{QString::fromUtf8("Gu\xc3\xafl"
                                                                   "de")});
    QCOMPARE(texts(fixture.members()), QStringList{QString::fromUtf8("Ren\xc3\xa9")});
    fixture.dialog->renameList();
    fixture.members()->setCurrentRow(0);
    fixture.dialog->editFriend();
    QCOMPARE(prefilled, (std::vector<QString>{QString::fromUtf8("Gu\xc3\xafl"
                                                                "de"),
                                              QString::fromUtf8("Ren\xc3\xa9")}));
    QCOMPARE(fixture.dialog->edited()[0].name, std::string("Gu\xefl"
                                                           "de"));
    QCOMPARE(fixture.dialog->edited()[0].members[0], std::string("Ren\xe9"));
    fixture.members()->setCurrentRow(0);
    fixture.dialog->editFriend();
    QCOMPARE(fixture.dialog->edited()[0].members[0], std::string("Ren\xc3\xa9"
                                                                 "e"));
}
