#pragma once

#include "ReplayHost.h"
#include "app/Client.h"

#include <string>

namespace vesk::replay {

// The client's observable state after a replay, as one JSON object.
std::string snapshotJson(Client& client, const ReplayHost& host);

} // namespace vesk::replay
