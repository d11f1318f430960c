#pragma once

#include "common/Host.h"

#include <map>
#include <string>

namespace vesk {

// The player's editor, started on the working files the server sends ("TheCode.c",
// "help.txt"). A server can send hundreds of transfers in a second, and each would start an
// editor; instead a working file gets at most one editor while one started on it still runs
// (the editor shows the file, and most editors notice when it changes on the disk). Once the
// player closes it, the next transfer starts one again.
class EditorProcesses {
public:
    explicit EditorProcesses(Host& host) : host_(host) {}

    // A transfer has arrived: the editor starts on the file unless one started on it still
    // runs. False when none runs and none could be started.
    bool startUnlessRunning(const std::string& program, const std::string& file);
    // The player asked for the editor: one starts whatever runs already. False when it could
    // not be started.
    bool start(const std::string& program, const std::string& file);

private:
    Host& host_;
    std::map<std::string, Host::ProcessId> started_;
};

} // namespace vesk
