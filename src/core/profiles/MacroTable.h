#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vesk {

// A profile's macros: key name to macro text, in insertion order. Looking a key up through
// operator[] adds it (empty) at the end when absent, as the macro keys have always done; the
// added key then shows on the Macros page and is written with the next save.
//
// Keys are found through a hash index the table keeps with its entries, so a file with a great
// many keys loads in time proportional to its size. Only the table changes its keys, so the
// index can never fall behind them.
class MacroTable {
public:
    using Entry = std::pair<std::string, std::string>;

    // The 56 keys every new profile starts with, all empty.
    static MacroTable withStandardKeys();
    // The standard keys with the four keypad directions filled in.
    static MacroTable withDefaultMacros();
    static const std::vector<std::string>& standardKeyNames();

    std::string& operator[](std::string_view key);
    // Reads without inserting; nothing when the key is absent.
    const std::string* find(std::string_view key) const;
    void set(std::string_view key, std::string_view text) { (*this)[key] = text; }

    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool operator==(const MacroTable& other) const { return entries_ == other.entries_; }

private:
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const {
            return std::hash<std::string_view>{}(key);
        }
    };

    std::vector<Entry> entries_;
    // Key name to its position in entries_.
    std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> positions_;
};

} // namespace vesk
