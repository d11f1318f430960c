#pragma once

namespace vesk {

// How much of a flood one read slice takes. The event loop looks at key presses and paints only
// between slices, so a slice should cost about the same time whatever the text is: plain prose
// is cheap per byte, a run of empty lines costs many times more. The next slice is sized by the
// rate the last one was handled at, between a floor and a ceiling; a read too small to say
// anything about the rate leaves the size as it was.
class ReadSlicing {
public:
    static constexpr long largestBytes = 128 * 1024;
    static constexpr long smallestBytes = 4 * 1024;
    static constexpr long targetMicroseconds = 2000;

    long nextBytes() const { return next_; }
    void sliceTook(long bytes, long microseconds);

private:
    long next_ = largestBytes;
};

} // namespace vesk
