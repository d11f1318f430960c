#include "world/RoomMap.h"

#include <array>
#include <utility>

namespace vesk::sim {

RoomMap::RoomMap() {
    rooms = {
        {"square",
         "Fenmarch Square",
         {"Cobbles worn smooth by a thousand carts spread out around a dry fountain.",
          "A crier's board leans against the fountain, covered in notices."},
         {{"north", "gate"}, {"east", "tavern"}, {"south", "yard"}, {"west", "library"}},
         {}},
        {"gate",
         "The North Gate",
         {"Two squat towers guard the road north. The portcullis is rusted open."},
         {{"south", "square"}},
         {}},
        {"tavern",
         "The Rusty Flagon",
         {"Smoke, ale and a fiddler who knows three tunes. A fire crackles.",
          "Adventurers come here to rest and trade stories."},
         {{"west", "square"}},
         {}},
        {"yard",
         "The Training Yard",
         {"Straw targets and a battered dummy stand in churned mud.",
          "A muddy path leads south into the marsh."},
         {{"north", "square"}, {"south", "marsh"}},
         {"training dummy"}},
        {"marsh",
         "The Reedy Marsh",
         {"Reeds taller than a man hide pools of black water. Something grunts nearby."},
         {{"north", "yard"}},
         {"big orc", "orc whelp"}},
        {"library",
         "The Hall of Records",
         {"Shelves of dusty ledgers line the walls. A clerk dozes at a desk."},
         {{"east", "square"}},
         {}},
    };
}

const Room* RoomMap::find(std::string_view id) const {
    for (const auto& room : rooms) {
        if (room.id == id) {
            return &room;
        }
    }
    return nullptr;
}

std::optional<std::string> RoomMap::directionFromWord(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> directions = {{
        {"n", "north"},
        {"s", "south"},
        {"e", "east"},
        {"w", "west"},
        {"u", "up"},
        {"d", "down"},
    }};
    for (const auto& [shortWord, longWord] : directions) {
        if (word == shortWord || word == longWord) {
            return std::string(longWord);
        }
    }
    return std::nullopt;
}

} // namespace vesk::sim
