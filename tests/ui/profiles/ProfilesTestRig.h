#pragma once

#include "FakeHost.h"
#include "app/Client.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace vesk::uitest {

// A client over a recording host in a fresh working folder, with four profiles and three
// stored characters pointing at profiles 1, 2 and 3.
struct ProfilesTestRig {
    ProfilesTestRig() : client(host, folder.path().toStdString()) {
        Preferences& preferences = client.preferences();
        for (const char* name : {"Warrior", "Mage", "Thief"}) {
            preferences.profiles.appendNew(name);
        }
        const char* characters[] = {"Bram", "Cora", "Dain"};
        for (int slot = 0; slot < 3; ++slot) {
            preferences.characters[slot].name = characters[slot];
            preferences.characters[slot].profile = slot + 1;
        }
        preferences.profiles[1].triggers = {{"You are hungry", "eat bread", 1},
                                            {"You are thirsty", "drink water", 0}};
        preferences.profiles[1].macros.set("F1", "kill rat");
    }

    void connect() {
        client.ConnectToSite("localhost", "3000", "FenmarchMUD");
        client.onConnecting();
        client.onConnected();
        host.clearRecords();
    }

    // What went to the server, one entry per send.
    std::vector<std::string> sentLines() const { return host.sent; }

    QTemporaryDir folder;
    testing::FakeHost host;
    Client client;
};

// A double-click as a player makes it: the press that chooses the item, then the second click.
inline void doubleClick(QWidget* viewport, QPoint position) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, position);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
}

// How many pixels of a widget's picture are close to a colour.
inline int pixelsNear(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 &&
                std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace vesk::uitest
