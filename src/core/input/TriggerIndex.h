#pragma once

#include "profiles/TriggerRecord.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vesk {

// Finds the triggers whose pattern begins a received line without comparing the line with
// every pattern. The patterns sit in a prefix tree whose edges carry whole runs of bytes, so a
// line is read once, from its first byte, only as far as some pattern reaches; a profile with a
// thousand triggers costs a line a few comparisons, not a thousand.
//
// The tree answers with list positions in list order, which is the order triggers fire in.
class TriggerIndex {
public:
    // Indexes the triggers that can fire: enabled, with a pattern and a command.
    void build(std::span<const TriggerRecord> triggers);
    // Appends the list positions of the indexed triggers whose pattern begins the line,
    // ascending.
    void collectMatches(std::string_view line, std::vector<int>& matches) const;

    std::size_t size() const { return indexedCount_; }

private:
    struct Entry {
        std::string_view pattern;
        int position = 0;
        auto operator<=>(const Entry&) const = default;
    };
    struct Node {
        // The bytes between the parent's depth and this node's.
        std::string label;
        // Positions of the triggers whose pattern ends exactly here, ascending.
        std::vector<int> triggers;
        // Sorted by the first byte of the child's label.
        std::vector<std::pair<unsigned char, int>> children;
    };

    int makeNode(std::span<const Entry> entries, std::size_t depth);
    void addChildren(int parent, std::span<const Entry> entries, std::size_t depth);
    int childOf(const Node& node, unsigned char byte) const;

    std::vector<Node> nodes_;
    // The root's children by first byte, -1 where no pattern starts with that byte.
    std::array<int, 256> rootChildren_{};
    std::size_t indexedCount_ = 0;
};

} // namespace vesk
