#pragma once

#include "display/TextBuffer.h"

#include <cstdint>

namespace vesk {

// How many lines dropped off the top of a buffer since its holder last looked, so a line index
// the holder keeps (a selection's anchor, where Find goes on, a scrolled-back view) moves up
// with its text.
class DroppedLines {
public:
    explicit DroppedLines(const TextBuffer& buffer)
        : buffer_(buffer), seen_(buffer.droppedLines()) {}

    int sinceLastLook() {
        const std::uint64_t now = buffer_.droppedLines();
        const auto dropped = static_cast<int>(now - seen_);
        seen_ = now;
        return dropped;
    }

private:
    const TextBuffer& buffer_;
    std::uint64_t seen_;
};

} // namespace vesk
