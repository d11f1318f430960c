#include "TestClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace vesk::sim::test {

TestClient::TestClient(int port) {
    socketDescriptor = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (socketDescriptor >= 0 &&
        connect(socketDescriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(socketDescriptor);
        socketDescriptor = -1;
    }
}

TestClient::~TestClient() {
    disconnect();
}

void TestClient::disconnect() {
    if (socketDescriptor >= 0) {
        close(socketDescriptor);
        socketDescriptor = -1;
    }
}

void TestClient::send(std::string_view bytes) {
    while (socketDescriptor >= 0 && !bytes.empty()) {
        const auto sent = ::send(socketDescriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void TestClient::sendLine(std::string_view text) {
    std::string bytes(text);
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += '\n';
    }
    send(bytes);
}

bool TestClient::receiveMore(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (socketDescriptor < 0 || closedByServer || left.count() <= 0) {
        return false;
    }
    pollfd request{socketDescriptor, POLLIN, 0};
    if (poll(&request, 1, static_cast<int>(left.count())) <= 0) {
        return false;
    }
    char chunk[65536];
    const auto count = recv(socketDescriptor, chunk, sizeof chunk, 0);
    if (count <= 0) {
        closedByServer = true;
        return false;
    }
    buffer.append(chunk, static_cast<std::size_t>(count));
    return true;
}

std::optional<std::string> TestClient::readUntil(std::string_view text,
                                                 std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    // Only the bytes that came since the last look are searched (and the text's length before
    // them), so waiting for the end of a flood of many megabytes stays linear.
    std::size_t from = 0;
    for (;;) {
        if (const auto found = buffer.find(text, from); found != std::string::npos) {
            auto head = buffer.substr(0, found + text.size());
            buffer.erase(0, found + text.size());
            return head;
        }
        from = buffer.size() < text.size() ? 0 : buffer.size() - text.size() + 1;
        if (!receiveMore(deadline)) {
            return std::nullopt;
        }
    }
}

std::optional<std::string> TestClient::readUntilClosed(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (receiveMore(deadline)) {
    }
    if (!closedByServer) {
        return std::nullopt;
    }
    return std::exchange(buffer, std::string());
}

bool TestClient::logIn(std::string_view name, std::string_view password,
                       std::string_view confirmation) {
    if (!readUntil("What name would you like to use?")) {
        return false;
    }
    sendLine(name);
    if (!readUntil("Password:")) {
        return false;
    }
    sendLine(password);
    return readUntil(confirmation).has_value();
}

} // namespace vesk::sim::test
