#include "CaptureGenerator.h"

#include <random>
#include <string_view>

namespace vesk::bench {
namespace {

constexpr std::string_view textPieces[] = {
    "\x1b[1;32mThe Market Square\x1b[0;37;40m\r\n",
    "A wide square paved with worn stones, busy with traders calling out their wares.\r\n",
    "\x1b[33mObvious exits: north, south, east and west.\x1b[0;37;40m\r\n",
    "Bob says: has anyone seen the blacksmith today?\r\n",
    "[Gossip] Amy: anyone up for the crypt tonight?\r\n",
    "Zed tells you: meet me at the gate\r\n",
    "You tell Zed: on my way\r\n",
    "\x1b[31mThe giant rat bites you hard on the left arm!\x1b[0;37;40m\r\n",
    "You slash the giant rat with your sword.\r\n",
    "hp: 40    sp: 20    mp: 10    left arm: 15\r\n",
    "HP: 40/60 | SP: 20/30 | MP: 10/15\r\n",
    "hp: 45    sp: 20    mp: 10 > ",
    "\r\n",
    "You gain 12 experience.\r\n",
    "\xff\xf9",
    "[Newbie] Quill: welcome to all who joined today, ask here if you are lost\r\n",
};

constexpr std::string_view controlPieces[] = {
    "##VESK STATUS 40 60 20 30 10 15\n",
    "##VESK COMBAT @giant rat@ 7 0 @Amy@ 10 1\n",
};

// Percent of the lines that are control lines.
constexpr std::uint32_t controlShare = 15;

} // namespace

std::string generateCapture(std::size_t bytes, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string capture;
    capture.reserve(bytes + 128);
    bool afterPrompt = false;
    while (capture.size() < bytes) {
        const bool control = random() % 100 < controlShare;
        std::string_view piece = control ? controlPieces[random() % std::size(controlPieces)]
                                         : textPieces[random() % std::size(textPieces)];
        // A prompt is followed by the server's line break before anything else, as it is live.
        if (afterPrompt) {
            capture += "\r\n";
        }
        afterPrompt = piece.back() == ' ';
        capture += piece;
    }
    return capture;
}

namespace {

std::string hostilePiece(HostileShape shape, std::size_t number) {
    const std::string name = std::to_string(number);
    switch (shape) {
    case HostileShape::ManyLimbNames:
        return number % 2 == 0 ? "##VESK LIMB 'limb " + name + "' 5\n"
                               : "hp: 40    sp: 20    mp: 10    claw" + name + ": 3\r\n";
    case HostileShape::ManySkillKeys:
        return "##VESK SKILL key" + name + " 5 50\n";
    case HostileShape::ManyNames:
        return "##VESK NAME Name" + name + "\n";
    case HostileShape::ColourOnlyLines:
        return number % 64 == 63 ? "\x1b[1;1;1;1;1;1;1;1;1;1;1;1"
                                 : "\x1b[1;3" + name.substr(0, 1) + "m\t";
    case HostileShape::FileBeginFlood:
        return "##VESK FILEBEGIN /w/file" + name + ".c\n";
    case HostileShape::HelpCapture:
        return "Help text line " + name + " of a page that goes on and on.\r\n";
    }
    return {};
}

} // namespace

std::string generateHostile(HostileShape shape, std::size_t bytes) {
    std::string capture;
    capture.reserve(bytes + 128);
    if (shape == HostileShape::HelpCapture) {
        capture += "##VESK HELPBEGIN\n";
    }
    for (std::size_t number = 0; capture.size() < bytes; ++number) {
        capture += hostilePiece(shape, number);
    }
    if (shape == HostileShape::HelpCapture) {
        capture += "##VESK HELPEND\n";
    }
    return capture;
}

} // namespace vesk::bench
