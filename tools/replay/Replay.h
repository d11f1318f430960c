#pragma once

#include "ReplayHost.h"
#include "ReplayOptions.h"

#include <string>

namespace vesk::replay {

// One run of vesk-replay: the client's windowless start-up in the working directory, a
// connection as the chosen character, the steps in order, and the snapshot or the summary.
// Returns the process's exit status: 0, or 2 with one line on stderr for bad input.
int runReplay(const ReplayOptions& options);

} // namespace vesk::replay
