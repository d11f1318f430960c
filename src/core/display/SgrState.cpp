#include "display/SgrState.h"

namespace vesk {
namespace {

constexpr std::uint32_t colourMask = 0xFFFFFF;
constexpr int slotShift = 24;
constexpr std::uint32_t slotMask = 0x7;
constexpr std::uint32_t boldBit = 1u << 27;
constexpr std::uint32_t brightBit = 1u << 28;
constexpr std::uint32_t ownColourBit = 1u << 29;

} // namespace

PackedSgrState::PackedSgrState(const SgrState& state) {
    bits_ = (static_cast<std::uint32_t>(state.colourIndex) & slotMask) << slotShift;
    if (state.bold) {
        bits_ |= boldBit;
    }
    if (state.bright) {
        bits_ |= brightBit;
    }
    if (state.hasOwnColour()) {
        bits_ |= ownColourBit | (static_cast<std::uint32_t>(state.ownColour) & colourMask);
    }
}

SgrState PackedSgrState::unpack() const {
    SgrState state;
    state.colourIndex = static_cast<int>((bits_ >> slotShift) & slotMask);
    state.bold = (bits_ & boldBit) != 0;
    state.bright = (bits_ & brightBit) != 0;
    state.ownColour = (bits_ & ownColourBit) != 0 ? static_cast<std::int32_t>(bits_ & colourMask)
                                                  : SgrState::noOwnColour;
    return state;
}

} // namespace vesk
