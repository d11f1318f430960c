#pragma once

#include "FakeHost.h"
#include "common/Reporting.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vesk::testing {

// The check the settings-file harnesses share: any bytes can be read, and once the writer has
// put a file into its own form (one pass may normalise), reading and writing it again changes
// nothing. Aborts, for the fuzzer to report, when it does.
template <typename Rewrite>
int checkRewriteSettles(const std::uint8_t* data, std::size_t size, Rewrite rewritten) {
    FakeHost host;
    Reporting reporting(host, "/dev/null");
    const std::string first =
        rewritten(std::string_view(reinterpret_cast<const char*>(data), size), reporting);
    const std::string second = rewritten(first, reporting);
    if (rewritten(second, reporting) != second) {
        std::abort();
    }
    return 0;
}

} // namespace vesk::testing
