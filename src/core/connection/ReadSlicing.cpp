#include "connection/ReadSlicing.h"

#include <algorithm>

namespace vesk {

void ReadSlicing::sliceTook(long bytes, long microseconds) {
    if (bytes < smallestBytes) {
        return;
    }
    const long long atTarget =
        static_cast<long long>(bytes) * targetMicroseconds / std::max(1L, microseconds);
    next_ = static_cast<long>(std::clamp<long long>(atTarget, smallestBytes, largestBytes));
}

} // namespace vesk
