#include "SocketHost.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vesk::testing {

SocketHost::SocketHost(int port) {
    descriptor_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (descriptor_ >= 0 &&
        connect(descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(descriptor_);
        descriptor_ = -1;
    }
}

SocketHost::~SocketHost() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

long SocketHost::sendToServer(std::string_view bytes) {
    FakeHost::sendToServer(bytes);
    std::size_t written = 0;
    while (descriptor_ >= 0 && written < bytes.size()) {
        const ssize_t result =
            ::send(descriptor_, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (result <= 0) {
            return -1;
        }
        written += static_cast<std::size_t>(result);
    }
    return static_cast<long>(written);
}

std::uint32_t SocketHost::milliseconds() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start_)
                                          .count());
}

std::string SocketHost::receive(std::chrono::milliseconds bound) {
    if (descriptor_ < 0 || closed_) {
        return {};
    }
    pollfd ready{descriptor_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(bound.count())) <= 0) {
        return {};
    }
    char buffer[4096];
    const ssize_t count = recv(descriptor_, buffer, sizeof buffer, 0);
    if (count <= 0) {
        closed_ = true;
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(count));
}

bool SocketHost::deliverUntil(const std::function<void(const std::string&)>& deliver,
                              const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline || closed_) {
            return false;
        }
        const std::string bytes = receive(std::chrono::milliseconds(100));
        if (!bytes.empty()) {
            deliver(bytes);
        }
    }
    return true;
}

} // namespace vesk::testing
