#pragma once

#include <string>
#include <vector>

namespace vesk {

// The fighters on one side of the current fight. Health is kept as the server sent it; readers
// convert it to tenths of full health.
class CombatantList {
public:
    struct Combatant {
        std::string name;
        std::string health;
        bool operator==(const Combatant&) const = default;
    };

    void append(std::string name, std::string health) {
        entries_.push_back({std::move(name), std::move(health)});
    }
    void clear() { entries_.clear(); }
    const std::vector<Combatant>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }
    // Health in tenths (0 … 10 in practice): the leading decimal digits, 0 when there are none.
    int healthTenths(int index) const;

private:
    std::vector<Combatant> entries_;
};

} // namespace vesk
