#pragma once

#include "SimProcess.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vesk::sim::test {

// A plain TCP client on 127.0.0.1 that talks like Vesk: every line it sends ends with a line
// feed and a zero byte. Reads wait for a text with a bound and consume up to it.
class TestClient {
public:
    explicit TestClient(int port);
    ~TestClient();
    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    bool connected() const { return socketDescriptor >= 0; }
    void send(std::string_view bytes);
    // As the client's DoSend: the text and a line feed unless it has one.
    void sendLine(std::string_view text);
    // Everything received up to and including `text`; nothing when it did not come in time.
    std::optional<std::string> readUntil(std::string_view text,
                                         std::chrono::milliseconds bound = waitBound);
    // Everything until the server closes the connection; nothing when it stays open.
    std::optional<std::string> readUntilClosed(std::chrono::milliseconds bound = waitBound);
    void disconnect();

    // Name, password, and wait for the line that ends the login.
    bool logIn(std::string_view name, std::string_view password,
               std::string_view confirmation = "Allowing login.");

private:
    bool receiveMore(std::chrono::steady_clock::time_point deadline);

    int socketDescriptor = -1;
    std::string buffer;
    bool closedByServer = false;
};

} // namespace vesk::sim::test
