#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// An ordered table of (name, value) pairs with exact, case-sensitive lookup. Reading an absent
// name adds it with 0: the status window and the skills window rely on every name they ask
// about having an entry afterwards.
//
// The names come from the server, so the table holds at most `limit` entries: a name beyond
// that is not added (writing it changes nothing, reading it gives 0). An index beside the
// ordered entries makes a lookup logarithmic while the entries keep their arrival order.
class NamedValueTable {
public:
    struct Entry {
        std::string name;
        std::int32_t value = 0;
        bool operator==(const Entry&) const = default;
    };

    explicit NamedValueTable(std::size_t limit) : limit_(limit) {}

    // Index of the entry with this name, or -1.
    int find(std::string_view name) const;
    // The value of the name, added with 0 when absent; a full table hands out a slot that
    // belongs to no entry.
    std::int32_t& slot(std::string_view name);
    std::int32_t get(std::string_view name) { return slot(name); }
    void clear();
    void assign(const NamedValueTable& other);

    const std::vector<Entry>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::size_t limit_;
    std::vector<Entry> entries_;
    std::map<std::string, std::size_t, std::less<>> index_;
    std::int32_t overflow_ = 0;
};

} // namespace vesk
