#pragma once

#include <string_view>

namespace vesk {

// The trigger check every dispatched line passes after the parser. It sets `recognised` to 1
// when a trigger fires. The default matches nothing.
class LineTriggers {
public:
    virtual ~LineTriggers() = default;
    virtual void MatchTriggers(std::string_view /*cleanLine*/, int& /*recognised*/) {}
};

} // namespace vesk
