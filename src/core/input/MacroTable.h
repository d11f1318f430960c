#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesk {

// A profile's macros: key name to macro text, in insertion order. Looking a key up through
// operator[] adds it (empty) at the end when absent, as the macro keys have always done; the
// added key then shows on the Macros page and is written with the next save.
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
    bool operator==(const MacroTable&) const = default;

private:
    std::vector<Entry> entries_;
};

} // namespace vesk
