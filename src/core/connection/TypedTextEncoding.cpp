#include "connection/TypedTextEncoding.h"

#include "settings/Settings.h"

namespace vesk {

TypedTextEncoding::TypedTextEncoding(const Settings& settings) : settings_(settings) {}

TypedTextEncoding::Choice TypedTextEncoding::choice() const {
    switch (settings_.number(setting::typedTextEncoding)) {
    case static_cast<int>(Choice::Utf8):
        return Choice::Utf8;
    case static_cast<int>(Choice::Latin1):
        return Choice::Latin1;
    default:
        return Choice::Automatic;
    }
}

void TypedTextEncoding::onConnected() {
    received_.reset();
}

void TypedTextEncoding::watch(std::string_view text) {
    received_.feed(text);
}

Decoding TypedTextEncoding::encoding() const {
    switch (choice()) {
    case Choice::Utf8:
        return Decoding::Utf8;
    case Choice::Latin1:
        return Decoding::Latin1;
    case Choice::Automatic:
        break;
    }
    return serverShowedLatin1() ? Decoding::Latin1 : Decoding::Utf8;
}

} // namespace vesk
