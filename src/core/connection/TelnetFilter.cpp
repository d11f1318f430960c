#include "connection/TelnetFilter.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr unsigned char iac = 255;
constexpr unsigned char dont = 254;
constexpr unsigned char doOption = 253;
constexpr unsigned char wont = 252;
constexpr unsigned char will = 251;
constexpr unsigned char subnegotiationBegin = 250;
constexpr unsigned char subnegotiationEnd = 240;
// The only option the client takes part in: the server may echo (and so hide a password).
constexpr unsigned char echoOption = 1;

} // namespace

TelnetFilter::TelnetFilter(std::function<void(std::string_view)> reply)
    : reply_(std::move(reply)) {}

void TelnetFilter::reset() {
    state_ = State::Text;
    verb_ = 0;
    subnegotiationLength_ = 0;
    serverEchoes_ = false;
}

// The text between telnet commands is copied in runs; where the next IAC and the next NUL are
// is looked up once per chunk with memchr and again only after the filter has passed them, so
// a chunk is scanned in linear time however many commands it holds.
void TelnetFilter::filter(std::string_view chunk, std::string& text) {
    text.reserve(text.size() + chunk.size());
    constexpr std::size_t unknown = std::string_view::npos;
    std::size_t nextIac = unknown;
    std::size_t nextNul = unknown;
    const auto locate = [&chunk](std::size_t& found, std::size_t from, char byte) {
        if (found == unknown || found < from) {
            const std::size_t at = chunk.find(byte, from);
            found = at == std::string_view::npos ? chunk.size() : at;
        }
    };
    std::size_t position = 0;
    while (position < chunk.size()) {
        if (state_ == State::Text) {
            locate(nextIac, position, static_cast<char>(iac));
            locate(nextNul, position, '\0');
            const std::size_t stop = std::min(nextIac, nextNul);
            text.append(chunk.substr(position, stop - position));
            position = stop;
            if (position == chunk.size()) {
                break;
            }
            // Telnet's NUL is a no-op and goes; an IAC starts a command.
            if (chunk[position] == static_cast<char>(iac)) {
                state_ = State::Command;
            }
            ++position;
            continue;
        }
        step(static_cast<unsigned char>(chunk[position++]), text);
    }
}

// One byte of a command, negotiation or subnegotiation.
void TelnetFilter::step(unsigned char byte, std::string& text) {
    switch (state_) {
    case State::Text:
        break;
    case State::Command:
        command(byte, text);
        break;
    case State::Option:
        negotiate(verb_, byte);
        state_ = State::Text;
        break;
    case State::SubnegotiationOption:
        state_ = State::Subnegotiation;
        break;
    case State::Subnegotiation:
        subnegotiation(byte);
        break;
    case State::SubnegotiationIac:
        subnegotiationIac(byte, text);
        break;
    }
}

// The byte after an IAC: a doubled IAC is a text byte, a negotiation verb waits for its option,
// SB opens a subnegotiation; every other command (GA, NOP, a stray SE) is dropped.
void TelnetFilter::command(unsigned char byte, std::string& text) {
    state_ = State::Text;
    if (byte == iac) {
        text.push_back(static_cast<char>(iac));
    } else if (byte >= will) {
        verb_ = byte;
        state_ = State::Option;
    } else if (byte == subnegotiationBegin) {
        subnegotiationLength_ = 0;
        state_ = State::SubnegotiationOption;
    }
}

void TelnetFilter::subnegotiation(unsigned char byte) {
    if (byte == iac) {
        state_ = State::SubnegotiationIac;
        return;
    }
    if (++subnegotiationLength_ >= longestSubnegotiation) {
        state_ = State::Text;
    }
}

// IAC SE closes the subnegotiation, IAC IAC is a data byte of it; any other command ends it
// too and is then read as a command of its own.
void TelnetFilter::subnegotiationIac(unsigned char byte, std::string& text) {
    if (byte == iac) {
        state_ = State::Subnegotiation;
        subnegotiation(0);
        return;
    }
    if (byte == subnegotiationEnd) {
        state_ = State::Text;
        return;
    }
    command(byte, text);
}

// Answers follow the usual option state rules: a request that would change nothing gets no
// answer, so two sides that agree never loop.
void TelnetFilter::negotiate(unsigned char verb, unsigned char option) {
    const bool echo = option == echoOption;
    switch (verb) {
    case will:
        if (!echo) {
            send(dont, option);
        } else if (!serverEchoes_) {
            serverEchoes_ = true;
            send(doOption, option);
        }
        break;
    case wont:
        if (echo && serverEchoes_) {
            serverEchoes_ = false;
            send(dont, option);
        }
        break;
    case doOption:
        send(wont, option);
        break;
    default:
        break;
    }
}

void TelnetFilter::send(unsigned char verb, unsigned char option) {
    if (reply_) {
        const char bytes[] = {static_cast<char>(iac), static_cast<char>(verb),
                              static_cast<char>(option)};
        reply_(std::string_view(bytes, sizeof bytes));
    }
}

} // namespace vesk
