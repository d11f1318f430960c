// Random bytes, cut into random reads, through the whole receive pipeline of a connected
// client: nothing may crash, overflow or hang, whatever the server sends.
#include "FakeHost.h"
#include "app/Client.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    static const std::filesystem::path directory = std::filesystem::temp_directory_path();
    vesk::testing::FakeHost host;
    vesk::Client client(host, directory);
    client.ConnectToSite("localhost", "3000", "FenmarchMUD");
    client.onConnected();
    // The first two bytes choose how the rest is cut into reads: with the top bit of the first
    // set, a read may be as large as everything left, as a socket delivers after a busy window.
    std::uint32_t cutter = static_cast<std::uint32_t>(data[0]) << 8 | data[1];
    const bool largeReads = (data[0] & 0x80) != 0;
    const auto* text = reinterpret_cast<const char*>(data + 2);
    std::size_t remaining = size - 2;
    while (remaining > 0) {
        cutter = cutter * 1103515245u + 12345u;
        const std::size_t longest = largeReads || remaining < 512 ? remaining : 512;
        const std::size_t read = 1 + (cutter >> 16) % longest;
        client.onReceived(std::string_view(text, read));
        text += read;
        remaining -= read;
    }
    return 0;
}
