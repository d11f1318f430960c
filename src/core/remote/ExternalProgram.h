#pragma once

#include "common/Host.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// The player's own program for a file the client has written: the online editor's program for
// a downloaded source file, the help viewer for a help page. The program setting is the
// program as a whole (a path with blanks included) and the file is its one argument; no shell
// sees either. When it cannot be started the player is told which program failed and where to
// choose another, instead of seeing nothing happen.
//
// A server can send hundreds of transfers in a second, and each would start a program; instead
// a file gets at most one program from the server's starts while one started on it still runs
// (it shows the file, and most editors notice when it changes on the disk). Once the player
// closes it, the next transfer starts one again.
class ExternalProgram {
public:
    struct Texts {
        // The box when the program could not be started; "%s" stands for the program.
        std::string_view failed;
        // The box when no program is set at all.
        std::string_view unset;
    };
    // Who asked: a start the server causes (a finished download or help page) starts nothing
    // while the program started on the file still runs, and reports a failing program once, so
    // a server repeating it cannot pile up programs or boxes; the player's own command always
    // starts one and reports every failure.
    enum class Origin { Server, Player };

    ExternalProgram(Host& host, Texts texts) : host_(host), texts_(texts) {}

    // False when no program runs on the file and none could be started.
    bool start(const std::string& program, const std::string& file, Origin origin);

private:
    void report(const std::string& program, Origin origin);

    Host& host_;
    Texts texts_;
    // The program started on each file, while it may still run.
    std::map<std::string, Host::ProcessId> started_;
    // The program whose failure the server's starts have already reported.
    std::optional<std::string> reportedForServer_;
};

} // namespace vesk
