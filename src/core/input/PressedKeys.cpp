#include "input/PressedKeys.h"

#include <algorithm>

namespace vesk {

bool PressedKeys::isDown(int virtualKey) const {
    return std::any_of(down_.begin(), down_.end(),
                       [virtualKey](const auto& entry) { return entry.second == virtualKey; });
}

void PressedKeys::press(PhysicalKey physicalKey, int virtualKey) {
    down_[physicalKey] = virtualKey;
}

std::optional<int> PressedKeys::release(PhysicalKey physicalKey) {
    const auto found = down_.find(physicalKey);
    if (found == down_.end()) {
        return std::nullopt;
    }
    const int virtualKey = found->second;
    down_.erase(found);
    return virtualKey;
}

void PressedKeys::releaseCode(int virtualKey) {
    std::erase_if(down_, [virtualKey](const auto& entry) { return entry.second == virtualKey; });
}

} // namespace vesk
