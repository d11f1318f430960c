#pragma once

#include "FakeHost.h"
#include "ListRows.h"
#include "app/Client.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::testing {

// A FakeHost that also passes every change on, as the main window does, so a window under test
// refreshes the way it will in the program.
class ForwardingHost : public FakeHost {
public:
    void changed(Change what) override {
        FakeHost::changed(what);
        if (onChanged) {
            onChanged(what);
        }
    }
    std::function<void(Change)> onChanged;
};

// A client in a fresh working folder, connected to the game port, whose editors are stubs.
struct ConnectedClient {
    static constexpr std::string_view editor = "/opt/stub/editor";
    static constexpr std::string_view helpEditor = "/opt/stub/help editor";

    ConnectedClient();
    void connect();
    // Feeds server lines, each ended with a line feed, as one read.
    void feed(const std::vector<std::string>& lines);
    // What was sent, each line without the line feed the wire adds.
    std::vector<std::string> sentLines() const;
    std::string path(std::string_view name) const;
    std::string read(std::string_view name) const;

    QTemporaryDir folder;
    ForwardingHost host;
    Client client;
};

} // namespace vesk::testing

namespace QTest {
// Sent lines read in a failure message.
template <> inline char* toString(const std::vector<std::string>& lines) {
    QByteArray text = "{";
    for (const std::string& line : lines) {
        text += " \"" + QByteArray::fromStdString(line) + "\"";
    }
    return qstrdup(text + " }");
}
} // namespace QTest
