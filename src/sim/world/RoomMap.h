#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

struct RoomExit {
    std::string direction;
    std::string target;
    auto operator<=>(const RoomExit&) const = default;
};

struct Room {
    std::string id;
    std::string title;
    std::vector<std::string> description; // lines, each under 80 columns
    std::vector<RoomExit> exits;
    std::vector<std::string> monsters; // what "kill" can pick a fight with here
};

// The little town the simulator's world is made of. Fixed at start; characters walk it by id.
class RoomMap {
public:
    RoomMap();

    const Room* find(std::string_view id) const;
    const Room& startRoom() const { return rooms.front(); }
    // "n" and "north" both give "north"; nothing for a word that is no direction.
    static std::optional<std::string> directionFromWord(std::string_view word);

private:
    std::vector<Room> rooms;
};

} // namespace vesk::sim
