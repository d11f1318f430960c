#pragma once

#include <QObject>

// The two test classes of this executable; LoginTestMain runs both.
class AutoLoginDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheDefaultOrLastCharacterSelected();
    void withoutSelectionTheSettingsAndConnectAreDisabled();
    void loggedInDisablesConnectAndQuit();
    void typingStoresTheRecordAndRefreshesItsLine();
    void newCopyAndDeleteEditTheSlots();
    void missingSelectionAndFullSlotsAreReported();
    void connectChoosesTheCharacterAndClosesTheDialog();
    void doubleClickConnects();
    void theChosenCharacterAnswersThePrompts();
    void alreadyConnectedKeepsTheDialogOpen();
    void whoIsOnAndQuitUseTheirHooks();
    void editProfilesRefillsTheDropDown();
    void displayCheckBoxesStoreAtEveryClick();
    void eightBitNamesAndPasswordsKeepTheirBytes();
    void typedPasswordsFollowTheTypedTextEncoding();
};

class LoginDohickeyTest : public QObject {
    Q_OBJECT
private slots:
    void enterInTheNameMovesToThePassword();
    void okHandsOnWhatWasTyped();
    void cancelGivesNothing();
};
