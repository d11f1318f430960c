#pragma once

#include <cstdint>

namespace vesk {

// The colour in force at a point of the text: one of the eight colour slots (0 black, 1 red,
// 2 green, 3 blue, 4 magenta, 5 cyan, 6 yellow, 7 white), whether bold is on, whether a bright
// colour (90-97, or 8-15 of the 256 colours) was asked for, and a colour of its own (0xRRGGBB)
// when a 256-colour or 24-bit sequence chose one that no slot holds. Bold and bright both draw
// a slot's bold colour; they are kept apart because each ends differently (22 ends bold, 3x
// ends bright).
struct SgrState {
    int colourIndex = 7;
    bool bold = false;
    bool bright = false;
    std::int32_t ownColour = noOwnColour;

    static constexpr std::int32_t noOwnColour = -1;

    bool hasOwnColour() const { return ownColour >= 0; }
    // Whether the slot's bold colour is drawn.
    bool boldSlot() const { return bold || bright; }
    bool operator==(const SgrState&) const = default;
};

// The state packed into four bytes, the way every stored line keeps the state at its start:
// 24 bits of colour, three of the slot, and the bold, bright and own-colour flags.
class PackedSgrState {
public:
    PackedSgrState() : PackedSgrState(SgrState{}) {}
    explicit PackedSgrState(const SgrState& state);

    SgrState unpack() const;
    bool operator==(const PackedSgrState&) const = default;

private:
    std::uint32_t bits_ = 0;
};

} // namespace vesk
