#pragma once

#include "FakeHost.h"
#include "app/Client.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace vesk::uitest {

// A client over a recording host in a fresh working folder, fed with control lines as the
// server would send them.
struct StatusTestClient {
    testing::FakeHost host;
    QTemporaryDir folder;
    std::unique_ptr<Client> client = std::make_unique<Client>(host, folder.path().toStdString());

    StatusTestClient() { client->onConnected(); }

    void receive(const std::string& lines) { client->onReceived(lines); }

    // A character in the middle of a fight: three attackers and two party members.
    void fight() {
        receive("##VESK NAME Tamsin\n"
                "##VESK STATUS 84 120 30 60 12 40\n"
                "##VESK XP 15400 20000 950\n"
                "##VESK LIMB 'left arm' 45\n"
                "##VESK LIMB 'head' 10\n"
                "##VESK LIMB 'right leg' 80\n"
                "##VESK LIMB 'torso' 25\n"
                "##VESK LIMB 'right hand' 100\n"
                "##VESK AC 'head' 3\n"
                "##VESK AC 'torso' 5\n"
                "##VESK AC 'left arm' 2\n"
                "##VESK AC 'right arm' 2\n"
                "##VESK AC 'left leg' 1\n"
                "##VESK AC 'right leg' 4\n"
                "##VESK COMBAT @big orc@ 7 0 @goblin archer@ 3 0 @rat@ 10 0 @Bram@ 9 1 "
                "@Ysolde@ 5 1\n");
    }
};

} // namespace vesk::uitest
