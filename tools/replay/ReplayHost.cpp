#include "ReplayHost.h"

#include <cstdlib>

namespace vesk::replay {

long ReplayHost::sendToServer(std::string_view bytes) {
    sent.emplace_back(bytes);
    return static_cast<long>(bytes.size());
}

void ReplayHost::showWarning(const std::string& text) {
    std::fprintf(stderr, "vesk-replay: warning: %s\n", text.c_str());
}

void ReplayHost::showMessage(const std::string& text) {
    std::fprintf(stderr, "vesk-replay: message: %s\n", text.c_str());
}

std::uint32_t ReplayHost::milliseconds() {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void ReplayHost::terminate(int status) {
    std::fflush(stdout);
    std::exit(status);
}

bool ReplayHost::askQuestion(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "vesk-replay: question (answered No): %s: %s\n", title.c_str(),
                 text.c_str());
    return false;
}

bool ReplayHost::playSound(const std::string& path) {
    played.push_back(path);
    return true;
}

Host::ProcessId ReplayHost::startProcess(const std::string& program,
                                         const std::vector<std::string>& arguments) {
    started.push_back({program, arguments});
    return started.size();
}

} // namespace vesk::replay
