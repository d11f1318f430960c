#include "base/SimLog.h"

#include <cstdio>

namespace vesk::sim {

void logLine(std::string_view text) {
    std::fwrite("vesk-sim: ", 1, 10, stdout);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string printable(std::string_view bytes) {
    constexpr std::size_t longest = 200;
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string safe;
    for (std::size_t index = 0; index < bytes.size() && index < longest; ++index) {
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (byte >= 32 && byte < 127 && byte != '\\') {
            safe.push_back(static_cast<char>(byte));
        } else {
            safe += "\\x";
            safe.push_back(hexDigits[byte >> 4]);
            safe.push_back(hexDigits[byte & 15]);
        }
    }
    if (bytes.size() > longest) {
        safe += "... (" + std::to_string(bytes.size()) + " bytes)";
    }
    return safe;
}

} // namespace vesk::sim
