#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vesk {

// Strips the telnet protocol out of what the server sends: commands and subnegotiations go,
// also when a read cuts them in two; IAC IAC is one byte 255 in the text; NUL is a no-op and is
// dropped without losing what follows it. Options the client does not support are refused;
// the server's ECHO is accepted, which tells the client that a password is being typed.
//
// The filter reads byte by byte and keeps its state between reads, so the text it hands on is
// the same however the reads fall. No option the client accepts has a subnegotiation, so every
// subnegotiation is dropped unread: one for an option that was refused (COMPRESS2 after DONT,
// say) can switch on no mode. One that is never closed ends after `longestSubnegotiation`
// bytes, and the bytes behind that are text again.
class TelnetFilter {
public:
    // Real subnegotiations are a few bytes; past this an unclosed one is taken for garbage.
    static constexpr std::size_t longestSubnegotiation = 1024;

    // `reply` puts negotiation answers on the wire as they are.
    explicit TelnetFilter(std::function<void(std::string_view)> reply);

    // Appends the text bytes of a received chunk to `text`.
    void filter(std::string_view chunk, std::string& text);
    // True while the server has taken over echoing (a password prompt).
    bool serverEchoes() const { return serverEchoes_; }
    // A new connection starts without any negotiated state.
    void reset();

private:
    enum class State {
        Text,
        Command,
        Option,
        SubnegotiationOption,
        Subnegotiation,
        SubnegotiationIac
    };

    void step(unsigned char byte, std::string& text);
    void command(unsigned char byte, std::string& text);
    void negotiate(unsigned char verb, unsigned char option);
    void subnegotiation(unsigned char byte);
    void subnegotiationIac(unsigned char byte, std::string& text);
    void send(unsigned char verb, unsigned char option);

    std::function<void(std::string_view)> reply_;
    State state_ = State::Text;
    unsigned char verb_ = 0;
    std::size_t subnegotiationLength_ = 0;
    bool serverEchoes_ = false;
};

} // namespace vesk
