#pragma once

#include "settings/SettingsTable.h"
#include "social/WhoList.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class FriendsLists;
class Settings;

// The "Friends" section's settings of the who-list window.
// How the "Who List" window orders its entries: by the choice of its "Sort:" row.
enum class WhoSort { Level, Class, Race, Friends };

// The columns the "'Who' Options" dialog can show, in the order they are drawn.
enum class WhoColumn { Level, Name, Race, Class };

// One line of the who-list window: the entry and whether one of the player's friends lists
// names it.
struct WhoRow {
    WhoEntry entry;
    bool isFriend = false;
    bool operator==(const WhoRow&) const = default;
};

// What the who-list window shows, decided without any widget: the ordered rows, which of them
// are friends, the columns chosen in the options and each cell's text. The server sends
// "LOGON name level race class rank", so the third word is the race and the fourth the class;
// the fifth (the rank) is not shown.
class WhoListView {
public:
    void setSort(WhoSort sort) { sort_ = sort; }
    WhoSort sort() const { return sort_; }

    // The entries in the chosen order. Ties fall back to the higher level, then the name, so
    // the order never depends on arrival.
    std::vector<WhoRow> rows(const WhoList& list, const FriendsLists& friends) const;

    // The columns switched on in the options. With every column switched off the names are
    // still shown: an empty window would look broken rather than configured.
    static std::vector<WhoColumn> columns(const Settings& settings);
    static std::string cellText(const WhoEntry& entry, WhoColumn column);
    static std::string_view heading(WhoColumn column);
    // Any list, any letter case.
    static bool isFriend(const FriendsLists& friends, std::string_view name);

private:
    WhoSort sort_ = WhoSort::Level;
};

} // namespace vesk
