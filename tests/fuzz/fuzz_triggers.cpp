// Reads arbitrary bytes as trigger patterns and received lines: the text before the first
// zero byte holds the patterns, one a line (a line starting with "-" is a disabled trigger),
// and every line after it is received. The index must name exactly the triggers that trying
// each one in turn would fire, in the same order.
#include "input/TriggerIndex.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<int> everyTrigger(const std::vector<vesk::TriggerRecord>& triggers,
                              std::string_view line) {
    std::vector<int> matches;
    for (std::size_t position = 0; position < triggers.size(); ++position) {
        const auto& trigger = triggers[position];
        if (trigger.enabled != 0 && !trigger.pattern.empty() && line.starts_with(trigger.pattern)) {
            matches.push_back(static_cast<int>(position));
        }
    }
    return matches;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    std::vector<vesk::TriggerRecord> triggers;
    for (std::string_view pattern : splitLines(input.substr(0, split))) {
        const bool disabled = pattern.starts_with('-');
        triggers.push_back({std::string(pattern.substr(disabled ? 1 : 0)), "go", disabled ? 0 : 1});
    }
    vesk::TriggerIndex index;
    index.build(triggers);
    if (split == std::string_view::npos) {
        return 0;
    }
    for (std::string_view line : splitLines(input.substr(split + 1))) {
        std::vector<int> matches;
        index.collectMatches(line, matches);
        if (matches != everyTrigger(triggers, line)) {
            std::abort();
        }
    }
    return 0;
}
