#include "wire/CommandReader.h"

namespace vesk::sim {
namespace {

constexpr unsigned char interpretAsCommand = 255;
constexpr unsigned char subnegotiationBegin = 250;
constexpr unsigned char subnegotiationEnd = 240;
constexpr unsigned char firstOptionCommand = 251; // WILL, WONT, DO, DONT take one option byte

} // namespace

std::vector<ReceivedLine> CommandReader::feed(std::string_view bytes) {
    std::vector<ReceivedLine> lines;
    for (char byte : bytes) {
        takeByte(static_cast<unsigned char>(byte), lines);
    }
    return lines;
}

void CommandReader::takeByte(unsigned char byte, std::vector<ReceivedLine>& lines) {
    switch (state) {
    case TelnetState::Data:
        if (byte == interpretAsCommand) {
            state = TelnetState::Command;
        } else {
            takeDataByte(byte, lines);
        }
        return;
    case TelnetState::Command:
        if (byte == interpretAsCommand) {
            // A doubled IAC is the literal byte 255.
            state = TelnetState::Data;
            takeDataByte(byte, lines);
        } else if (byte == subnegotiationBegin) {
            state = TelnetState::Subnegotiation;
            subnegotiationLength = 0;
        } else if (byte >= firstOptionCommand) {
            state = TelnetState::Option;
        } else {
            state = TelnetState::Data;
        }
        return;
    case TelnetState::Option:
        state = TelnetState::Data;
        return;
    case TelnetState::Subnegotiation:
        if (++subnegotiationLength > maxSubnegotiationLength) {
            state = TelnetState::Data;
            takeDataByte(byte, lines);
        } else if (byte == interpretAsCommand) {
            state = TelnetState::SubnegotiationCommand;
        }
        return;
    case TelnetState::SubnegotiationCommand:
        state = byte == subnegotiationEnd ? TelnetState::Data : TelnetState::Subnegotiation;
        return;
    }
}

void CommandReader::takeDataByte(unsigned char byte, std::vector<ReceivedLine>& lines) {
    if (byte == '\0' || byte == '\r') {
        return;
    }
    if (byte == '\n') {
        lines.push_back({std::move(partial), cutting});
        partial.clear();
        cutting = false;
        return;
    }
    if (partial.size() >= maxLineLength) {
        cutting = true;
        return;
    }
    partial.push_back(static_cast<char>(byte));
}

} // namespace vesk::sim
