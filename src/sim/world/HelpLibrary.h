#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// The help pages behind "vesk helpchange <category>" and "vesk help <topic> <category>": five
// categories of one-word topics, and a page for each. Pages hold some lines wider than 80
// columns, as the game's real pages do, so the client's wrapping is exercised.
class HelpLibrary {
public:
    HelpLibrary();

    // Nothing for an unknown category key.
    std::optional<std::vector<std::string>> topics(std::string_view categoryKey) const;
    // A page for every topic; an unknown topic gets a short page saying so.
    std::vector<std::string> page(std::string_view topic) const;

private:
    struct Category {
        std::string key;
        std::vector<std::string> topics;
    };
    std::vector<Category> categories;
};

} // namespace vesk::sim
