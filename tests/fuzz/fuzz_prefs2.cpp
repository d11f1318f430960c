// Reads arbitrary bytes as "Prefs2.dat": a record is either taken whole or cleared, and the
// face name never runs past its 32 bytes.
#include "settings/FontRecord.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record = vesk::FontRecord::fromFileBytes(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (record.faceName().size() > 32 || (record.isChosen() && record.bytes[20] > 1)) {
        std::abort();
    }
    vesk::FontRecord copy = record;
    copy.setFaceName(record.faceName());
    copy.setHeight(record.height());
    // The copy keeps the name's first 31 bytes at most; a UTF-8 name is cut between two
    // characters, so up to three bytes earlier.
    const std::string original = record.faceName();
    const std::string kept = copy.faceName();
    const std::size_t longest = std::min<std::size_t>(original.size(), 31);
    if (kept.size() > longest || kept.size() + 3 < longest ||
        original.compare(0, kept.size(), kept) != 0) {
        std::abort();
    }
    return 0;
}
