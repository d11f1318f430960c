#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <libtelnet.h>

namespace vesk {

// Strips the telnet protocol out of what the server sends: commands and subnegotiations go,
// also when a read cuts them in two; IAC IAC is one byte 255 in the text; NUL is a no-op and is
// dropped without losing what follows it. Options the client does not support are refused;
// the server's ECHO is accepted, which tells the client that a password is being typed.
class TelnetFilter {
public:
    // `reply` puts negotiation answers on the wire as they are.
    explicit TelnetFilter(std::function<void(std::string_view)> reply);
    ~TelnetFilter();
    TelnetFilter(const TelnetFilter&) = delete;
    TelnetFilter& operator=(const TelnetFilter&) = delete;

    // Appends the text bytes of a received chunk to `text`.
    void filter(std::string_view chunk, std::string& text);
    // True while the server has taken over echoing (a password prompt).
    bool serverEchoes() const { return serverEchoes_; }
    // A new connection starts without any negotiated state.
    void reset();

private:
    static void onEvent(telnet_t* telnet, telnet_event_t* event, void* self);
    void handle(telnet_event_t& event);

    std::function<void(std::string_view)> reply_;
    telnet_t* telnet_ = nullptr;
    std::string* output_ = nullptr;
    bool serverEchoes_ = false;
};

} // namespace vesk
