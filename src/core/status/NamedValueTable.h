#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// An ordered table of (name, value) pairs with exact, case-sensitive lookup. Reading an absent
// name adds it with 0: the status window and the skills window rely on every name they ask
// about having an entry afterwards.
class NamedValueTable {
public:
    struct Entry {
        std::string name;
        std::int32_t value = 0;
        bool operator==(const Entry&) const = default;
    };

    // Index of the first entry with this name, or -1.
    int find(std::string_view name) const;
    // The value of the name, added with 0 when absent.
    std::int32_t& slot(std::string_view name);
    std::int32_t get(std::string_view name) { return slot(name); }
    void clear() { entries_.clear(); }
    void assign(const NamedValueTable& other) { entries_ = other.entries_; }

    const std::vector<Entry>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<Entry> entries_;
};

} // namespace vesk
