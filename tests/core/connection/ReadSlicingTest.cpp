#include "connection/ReadSlicing.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

// Slices cost about the target time: dense text gets smaller slices, cheap text the largest,
// always between the floor and the ceiling; a tiny read changes nothing.
TEST(ReadSlicing, TheNextSliceIsSizedByTheRateOfTheLast) {
    ReadSlicing slicing;
    EXPECT_EQ(slicing.nextBytes(), ReadSlicing::largestBytes);

    slicing.sliceTook(128 * 1024, 8000); // four times the target: a quarter as much
    EXPECT_EQ(slicing.nextBytes(), 32 * 1024);

    slicing.sliceTook(32 * 1024, 500'000); // a stall: never below the floor
    EXPECT_EQ(slicing.nextBytes(), ReadSlicing::smallestBytes);

    slicing.sliceTook(100, 5000); // too small to tell
    EXPECT_EQ(slicing.nextBytes(), ReadSlicing::smallestBytes);

    slicing.sliceTook(8 * 1024, 0); // faster than the clock: the ceiling
    EXPECT_EQ(slicing.nextBytes(), ReadSlicing::largestBytes);

    slicing.sliceTook(64 * 1024, 1000);
    EXPECT_EQ(slicing.nextBytes(), ReadSlicing::largestBytes);
}

} // namespace
} // namespace vesk
