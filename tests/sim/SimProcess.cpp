#include "SimProcess.h"

#include <csignal>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vesk::sim::test {

SimProcess::SimProcess(std::vector<std::string> extraArguments) {
    std::vector<std::string> arguments = {
        VESK_SIM_PATH, "--game-port",  "0", "--who-port", "0", "--devel-port",
        "0",           "--chatter-ms", "0"};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    drainer = std::thread([this, descriptor = pipeEnds[0]] { drain(descriptor); });
}

SimProcess::~SimProcess() {
    if (child > 0 && running()) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    if (drainer.joinable()) {
        drainer.join();
    }
}

void SimProcess::drain(int descriptor) {
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(descriptor, buffer, sizeof buffer)) > 0) {
        const std::lock_guard lock(mutex);
        captured.append(buffer, static_cast<std::size_t>(count));
        changed.notify_all();
    }
    close(descriptor);
    const std::lock_guard lock(mutex);
    outputEnded = true;
    changed.notify_all();
}

bool SimProcess::waitForOutput(const std::string& text, std::chrono::milliseconds bound) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, bound, [&] {
        return captured.find(text) != std::string::npos || outputEnded;
    }) && captured.find(text) != std::string::npos;
}

int SimProcess::port(const std::string& label) {
    const std::regex pattern("vesk-sim: " + label + " port ([0-9]+)");
    std::smatch match;
    const auto text = output();
    return std::regex_search(text, match, pattern) ? std::stoi(match[1]) : 0;
}

std::optional<int> SimProcess::waitForExit(std::chrono::milliseconds bound) {
    {
        std::unique_lock lock(mutex);
        if (!changed.wait_for(lock, bound, [&] { return outputEnded; })) {
            return std::nullopt;
        }
    }
    // Standard output closes as the process ends, so this wait is short.
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child) {
        exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        child = -1;
    }
    return exitStatus;
}

bool SimProcess::running() {
    if (child <= 0) {
        return false;
    }
    return waitpid(child, nullptr, WNOHANG) == 0;
}

std::string SimProcess::output() {
    const std::lock_guard lock(mutex);
    return captured;
}

} // namespace vesk::sim::test
