// Reads arbitrary bytes as "Profiles.DAT". The list is never left empty, and once the writer
// has put the profiles into its own form, reading and writing them again changes nothing.
#include "common/Reporting.h"
#include "input/CharacterProfileList.h"

#include "FakeHost.h"

#include <cstdlib>
#include <string_view>

namespace {

std::string rewritten(std::string_view text, vesk::Reporting& reporting) {
    vesk::CharacterProfileList list;
    list.loadFromText(text, "Profiles.DAT", reporting);
    if (list.size() == 0) {
        std::abort();
    }
    return list.savedText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vesk::testing::FakeHost host;
    vesk::Reporting reporting(host, "/dev/null");
    const std::string first =
        rewritten(std::string_view(reinterpret_cast<const char*>(data), size), reporting);
    const std::string second = rewritten(first, reporting);
    if (rewritten(second, reporting) != second) {
        std::abort();
    }
    return 0;
}
