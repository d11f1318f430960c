#pragma once

#include <QObject>

// The test classes of this executable; SocialTestMain runs them all.
class FriendsListsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstListWithItsMembers();
    void newAndRenamedListsTakeTheFirstWord();
    void entriesWithoutAWordChangeNothing();
    void deletingMovesTheSelectionAndTheOnlyListEmptiesBoth();
    void membersAreAddedReplacedAndRemoved();
    void memberActionsWithoutAListAreErrors();
    void closingKeepsTheChanges();
    void entryDialogIsPrefilledAndBounded();
    void eightBitNamesKeepTheirBytes();
};

class WhoOptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void okStoresTheColumnsAndCancelLeavesThem();
};

class WhoListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheServersEntriesAfterAChange();
    void sortRowReordersTheRows();
    void friendsAreBoldAndStarred();
    void columnsFollowTheOptions();
    void placementIsRestoredAndRecorded();
    void shownChangedFollowsTheWindow();
    void eightBitNamesShowTheirCharacters();
    void firstSizeShowsEverySortChoiceAndColumn();
};
