// vesk-replay: feeds captured server reads through the client's whole receive pipeline without
// a window or a server, and prints what the client made of them.
#include "Replay.h"
#include "ReplayOptions.h"

#include <cstdio>

int main(int argc, char** argv) {
    const auto parsed =
        vesk::replay::parseReplayOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(vesk::replay::replayUsage, stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "vesk-replay: %s\n", parsed.error.c_str());
        return 2;
    }
    return vesk::replay::runReplay(*parsed.options);
}
