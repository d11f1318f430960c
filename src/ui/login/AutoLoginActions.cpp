// The actions of the "Auto Login Thingamijig" buttons: connecting, and adding, copying and
// deleting stored characters.
#include "login/AutoLoginDialog.h"

#include "connection/Connection.h"
#include "login/AutoLogin.h"
#include "login/CharacterEditor.h"
#include "login/CharacterRecordEditing.h"
#include "preferences/Preferences.h"

#include <QListWidget>

namespace vesk {
namespace {

const std::string alreadyConnectedTitle = "AutoLogin Whatsit";
const std::string alreadyConnected = "You're already connected to FenmarchMUD";
const std::string noSpaceTitle = "AutoLogin Doohickey";
const std::string noSpace = "Sorry, there's no space for more character records. Blimey, just "
                            "how many characters do you have?!";
const std::string noSelectionTitle = "AutoLogin Gizmo";
const std::string noSelection = "No character has been selected";

} // namespace

// A connection under way counts as well: a second one would race it.
bool AutoLoginDialog::refuseWhenConnected() {
    if (parts_.connection.phase() == Connection::Phase::NotConnected) {
        return false;
    }
    parts_.host.showTitledWarning(alreadyConnectedTitle, alreadyConnected);
    return true;
}

void AutoLoginDialog::connectToGame() {
    if (refuseWhenConnected()) {
        return;
    }
    const int slot = selectedSlot();
    parts_.autoLogin.connectWithCharacter(slot);
    if (hooks_.connectToGame) {
        hooks_.connectToGame(slot);
    }
    accept();
}

void AutoLoginDialog::seeWhoIsOn() {
    if (refuseWhenConnected()) {
        return;
    }
    if (hooks_.connectToWhoService) {
        hooks_.connectToWhoService();
    }
    accept();
}

void AutoLoginDialog::quitVesk() {
    if (hooks_.quit) {
        hooks_.quit();
    }
    reject();
}

void AutoLoginDialog::showNoSpace() {
    parts_.host.showTitledMessage(noSpaceTitle, noSpace);
}

void AutoLoginDialog::showNoSelection() {
    parts_.host.showTitledMessage(noSelectionTitle, noSelection);
}

void AutoLoginDialog::newCharacter() {
    const int slot = parts_.preferences.characters.addNew();
    if (slot < 0) {
        showNoSpace();
        return;
    }
    fillList();
    selectSlot(slot);
}

void AutoLoginDialog::copyCharacter() {
    const int selected = selectedSlot();
    if (selected < 0) {
        showNoSelection();
        return;
    }
    const int slot = parts_.preferences.characters.copy(selected);
    if (slot < 0) {
        showNoSpace();
        return;
    }
    fillList();
    selectSlot(slot);
}

void AutoLoginDialog::deleteCharacter() {
    const int selected = selectedSlot();
    if (selected < 0) {
        showNoSelection();
        return;
    }
    CharacterRecordEditing::removeCharacter(parts_.preferences.characters,
                                            parts_.preferences.settings, selected);
    fillList();
    selectSlot(characters_->count() > 0 ? 0 : -1);
}

} // namespace vesk
