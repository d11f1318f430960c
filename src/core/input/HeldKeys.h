#pragma once

#include "input/KeyboardState.h"

#include <initializer_list>
#include <set>

namespace vesk {

// A keyboard whose held keys are set by hand: the headless driver and the tests press keys
// with it.
class HeldKeys : public KeyboardState {
public:
    HeldKeys() = default;
    HeldKeys(std::initializer_list<int> keys) : down_(keys) {}

    bool isDown(int virtualKey) const override { return down_.contains(virtualKey); }
    void press(int virtualKey) { down_.insert(virtualKey); }
    void release(int virtualKey) { down_.erase(virtualKey); }
    void releaseAll() { down_.clear(); }

private:
    std::set<int> down_;
};

} // namespace vesk
