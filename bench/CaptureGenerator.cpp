#include "CaptureGenerator.h"

#include <random>
#include <string_view>

namespace vesk::bench {
namespace {

constexpr std::string_view pieces[] = {
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
    "##VESK STATUS 40 60 20 30 10 15\n",
    "##VESK COMBAT @giant rat@ 7 0 @Amy@ 10 1\n",
    "##VESK LIMB 'left arm' 15\n",
    "##VESK XP 1320 2000 120\n",
    "You gain 12 experience.\r\n",
    "\xff\xf9",
    "[Newbie] Quill: welcome to all who joined today, ask here if you are lost\r\n",
};

} // namespace

std::string generateCapture(std::size_t bytes, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string capture;
    capture.reserve(bytes + 128);
    bool afterPrompt = false;
    while (capture.size() < bytes) {
        std::string_view piece = pieces[random() % std::size(pieces)];
        // A prompt is followed by the server's line break before anything else, as it is live.
        if (afterPrompt) {
            capture += "\r\n";
        }
        afterPrompt = piece.back() == ' ';
        capture += piece;
    }
    return capture;
}

} // namespace vesk::bench
