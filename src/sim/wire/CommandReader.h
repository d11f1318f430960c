#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// First stop of every byte a client sends: strips telnet negotiation, zero bytes and carriage
// returns, and cuts the stream into lines at line feeds. The client ends every line with a line
// feed (older clients added a zero byte after it, which is dropped wherever it stands), and its
// challenge reply starts with an extra line feed, so empty lines are passed on and the caller
// ignores them. A line never grows past maxLineLength: the excess
// is dropped until the next line feed, so a client cannot make the server hold unbounded text.
struct ReceivedLine {
    std::string text;
    bool cut = false; // the client sent more than maxLineLength bytes before the line feed
    auto operator<=>(const ReceivedLine&) const = default;
};

class CommandReader {
public:
    static constexpr std::size_t maxLineLength = 16384;
    // Real subnegotiations are a few bytes; a longer one is noise and must not swallow input.
    static constexpr std::size_t maxSubnegotiationLength = 512;

    // Every complete line the bytes finish, without its line feed.
    std::vector<ReceivedLine> feed(std::string_view bytes);

private:
    enum class TelnetState { Data, Command, Option, Subnegotiation, SubnegotiationCommand };

    void takeByte(unsigned char byte, std::vector<ReceivedLine>& lines);
    void takeDataByte(unsigned char byte, std::vector<ReceivedLine>& lines);

    TelnetState state = TelnetState::Data;
    std::string partial;
    std::size_t subnegotiationLength = 0;
    bool cutting = false;
};

} // namespace vesk::sim
