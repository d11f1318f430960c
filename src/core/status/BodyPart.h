#pragma once

#include <array>
#include <string_view>

namespace vesk {

// The twelve limbs the body diagram draws, each with its own picture. The names are the
// server's limb names, compared exactly.
enum class BodyPart {
    Head,
    Torso,
    LeftArm,
    LeftHand,
    RightArm,
    RightHand,
    LeftLeg,
    LeftFoot,
    RightLeg,
    RightFoot,
    LeftWing,
    RightWing,
};

inline constexpr int bodyPartCount = 12;

inline constexpr std::array<std::string_view, bodyPartCount> bodyPartNames = {
    "head",     "torso",     "left arm",  "left hand",  "right arm", "right hand",
    "left leg", "left foot", "right leg", "right foot", "left wing", "right wing",
};

constexpr std::string_view limbName(BodyPart part) {
    return bodyPartNames[static_cast<std::size_t>(part)];
}

constexpr bool isWing(BodyPart part) {
    return part == BodyPart::LeftWing || part == BodyPart::RightWing;
}

} // namespace vesk
