#include "net/TelnetFilter.h"

namespace vesk {
namespace {

// The only option the client takes part in: the server may echo (and so hide a password).
const telnet_telopt_t supportedOptions[] = {
    {TELNET_TELOPT_ECHO, TELNET_WONT, TELNET_DO},
    {-1, 0, 0},
};

// Telnet's NUL is a no-op: it goes, and the text behind it stays.
void appendWithoutNul(std::string_view data, std::string& text) {
    for (std::size_t nul = data.find('\0'); nul != std::string_view::npos; nul = data.find('\0')) {
        text.append(data.substr(0, nul));
        data.remove_prefix(nul + 1);
    }
    text.append(data);
}

} // namespace

TelnetFilter::TelnetFilter(std::function<void(std::string_view)> reply) : reply_(std::move(reply)) {
    reset();
}

TelnetFilter::~TelnetFilter() {
    if (telnet_ != nullptr) {
        telnet_free(telnet_);
    }
}

void TelnetFilter::reset() {
    if (telnet_ != nullptr) {
        telnet_free(telnet_);
    }
    telnet_ = telnet_init(supportedOptions, &TelnetFilter::onEvent, 0, this);
    serverEchoes_ = false;
}

void TelnetFilter::filter(std::string_view chunk, std::string& text) {
    if (telnet_ == nullptr || chunk.empty()) {
        return;
    }
    output_ = &text;
    telnet_recv(telnet_, chunk.data(), chunk.size());
    output_ = nullptr;
}

void TelnetFilter::onEvent(telnet_t*, telnet_event_t* event, void* self) {
    static_cast<TelnetFilter*>(self)->handle(*event);
}

void TelnetFilter::handle(telnet_event_t& event) {
    switch (event.type) {
    case TELNET_EV_DATA:
        if (output_ != nullptr) {
            appendWithoutNul(std::string_view(event.data.buffer, event.data.size), *output_);
        }
        break;
    case TELNET_EV_SEND:
        if (reply_) {
            reply_(std::string_view(event.data.buffer, event.data.size));
        }
        break;
    case TELNET_EV_WILL:
        serverEchoes_ = serverEchoes_ || event.neg.telopt == TELNET_TELOPT_ECHO;
        break;
    case TELNET_EV_WONT:
        serverEchoes_ = serverEchoes_ && event.neg.telopt != TELNET_TELOPT_ECHO;
        break;
    default:
        break;
    }
}

} // namespace vesk
