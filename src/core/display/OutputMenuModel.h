#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The right-click menu of a text pane, as the words under the pointer make it: examining the
// word, opening it as a web address, and for coders reading or editing it as a file; then
// copying the whole buffer and clearing the pane. The window draws the items and carries out
// their actions; what each item says and sends is decided here.
struct OutputMenuItem {
    enum class Action {
        // Sends `argument` as the player's command.
        SendCommand,
        // Opens `argument` in the desktop's browser.
        OpenAddress,
        CopyBuffer,
        Clear,
        Separator,
    };
    Action action = Action::Separator;
    std::string label;
    std::string argument;
    bool operator==(const OutputMenuItem&) const = default;
};

// The words are those under the pointer, cut at examineDelimiters and linkDelimiters.
std::vector<OutputMenuItem> outputMenuItems(const std::optional<std::string>& examineWord,
                                            const std::optional<std::string>& linkWord,
                                            bool codingAccess);

} // namespace vesk
