// Reads arbitrary bytes as "Prefs2.dat": a record is either taken whole or cleared, and the
// face name never runs past its 32 bytes.
#include "settings/FontRecord.h"

#include <cstdlib>
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
    if (copy.faceName() != record.faceName().substr(0, 31)) {
        std::abort();
    }
    return 0;
}
