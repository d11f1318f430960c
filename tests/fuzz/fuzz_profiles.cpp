// Reads arbitrary bytes as "Profiles.DAT". The list is never left empty, and once the writer
// has put the profiles into its own form, reading and writing them again changes nothing.
#include "common/Reporting.h"
#include "profiles/CharacterProfileList.h"

#include "RewriteSettles.h"

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
    return vesk::testing::checkRewriteSettles(data, size, rewritten);
}
