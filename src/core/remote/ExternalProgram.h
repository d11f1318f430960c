#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesk {

class Host;

// The player's own program for a file the client has written: the online editor's program for
// a downloaded source file, the help viewer for a help page. The program setting is the
// program as a whole (a path with blanks included) and the file is its one argument; no shell
// sees either. When it cannot be started the player is told which program failed and where to
// choose another, instead of seeing nothing happen.
class ExternalProgram {
public:
    struct Texts {
        // The box when the program could not be started; "%s" stands for the program.
        std::string_view failed;
        // The box when no program is set at all.
        std::string_view unset;
    };
    // Who asked: a start the server causes (a finished download or help page) reports a
    // failing program once, so a server repeating it cannot pile up boxes; the player's own
    // command reports every failure.
    enum class Origin { Server, Player };

    ExternalProgram(Host& host, Texts texts) : host_(host), texts_(texts) {}

    bool start(const std::string& program, const std::string& file, Origin origin);

private:
    void report(const std::string& program, Origin origin);

    Host& host_;
    Texts texts_;
    // The program whose failure the server's starts have already reported.
    std::optional<std::string> reportedForServer_;
};

} // namespace vesk
