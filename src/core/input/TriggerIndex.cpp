#include "input/TriggerIndex.h"

#include <algorithm>

namespace vesk {
namespace {

std::size_t commonPrefixLength(std::string_view first, std::string_view second) {
    const auto [firstEnd, secondEnd] =
        std::mismatch(first.begin(), first.end(), second.begin(), second.end());
    return static_cast<std::size_t>(firstEnd - first.begin());
}

unsigned char byteAt(std::string_view text, std::size_t position) {
    return static_cast<unsigned char>(text[position]);
}

} // namespace

void TriggerIndex::build(std::span<const TriggerRecord> triggers) {
    std::vector<Entry> entries;
    for (std::size_t position = 0; position < triggers.size(); ++position) {
        const TriggerRecord& trigger = triggers[position];
        if (trigger.enabled != 0 && !trigger.pattern.empty() && !trigger.command.empty()) {
            entries.push_back({trigger.pattern, static_cast<int>(position)});
        }
    }
    // Sorted, the patterns of one subtree are neighbours, a pattern comes before the longer
    // ones it begins, and equal patterns keep list order.
    std::sort(entries.begin(), entries.end());
    nodes_.clear();
    nodes_.push_back({});
    rootChildren_.fill(-1);
    indexedCount_ = entries.size();
    addChildren(0, entries, 0);
    for (const auto& [byte, child] : nodes_.front().children) {
        rootChildren_[byte] = child;
    }
}

// The entries share their first `depth` bytes and are all longer than that.
void TriggerIndex::addChildren(int parent, std::span<const Entry> entries, std::size_t depth) {
    while (!entries.empty()) {
        const unsigned char byte = byteAt(entries.front().pattern, depth);
        const auto groupEnd = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) {
            return byteAt(entry.pattern, depth) != byte;
        });
        const auto groupSize = static_cast<std::size_t>(groupEnd - entries.begin());
        const int child = makeNode(entries.first(groupSize), depth);
        nodes_[static_cast<std::size_t>(parent)].children.emplace_back(byte, child);
        entries = entries.subspan(groupSize);
    }
}

// A node for entries that share more than `depth` bytes: it reaches as deep as all of them
// agree, holds the triggers that end there, and branches below.
int TriggerIndex::makeNode(std::span<const Entry> entries, std::size_t depth) {
    const std::string_view first = entries.front().pattern;
    const std::size_t reach = commonPrefixLength(first, entries.back().pattern);
    Node node;
    node.label.assign(first.substr(depth, reach - depth));
    std::size_t ending = 0;
    while (ending < entries.size() && entries[ending].pattern.size() == reach) {
        node.triggers.push_back(entries[ending].position);
        ++ending;
    }
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back(std::move(node));
    addChildren(index, entries.subspan(ending), reach);
    return index;
}

int TriggerIndex::childOf(const Node& node, unsigned char byte) const {
    for (const auto& [childByte, child] : node.children) {
        if (childByte == byte) {
            return child;
        }
    }
    return -1;
}

void TriggerIndex::collectMatches(std::string_view line, std::vector<int>& matches) const {
    if (line.empty() || nodes_.empty()) {
        return;
    }
    const std::size_t firstMatch = matches.size();
    int nodesMatched = 0;
    std::size_t position = 0;
    int index = rootChildren_[byteAt(line, 0)];
    while (index >= 0) {
        const Node& node = nodes_[static_cast<std::size_t>(index)];
        if (line.size() - position < node.label.size() ||
            line.compare(position, node.label.size(), node.label) != 0) {
            break;
        }
        position += node.label.size();
        if (!node.triggers.empty()) {
            matches.insert(matches.end(), node.triggers.begin(), node.triggers.end());
            ++nodesMatched;
        }
        if (position == line.size()) {
            break;
        }
        index = childOf(node, byteAt(line, position));
    }
    // Shorter patterns are met first on the way down, but the list decides the firing order.
    if (nodesMatched > 1) {
        std::sort(matches.begin() + static_cast<std::ptrdiff_t>(firstMatch), matches.end());
    }
}

} // namespace vesk
