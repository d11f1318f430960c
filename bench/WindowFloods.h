#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vesk::bench {

// Floods aimed at the windows that control lines fill rather than at the output pane.
enum class WindowFlood {
    News,   // NEWS lines of a dozen words, about the asked number of megabytes
    Files,  // DIRFILES lines listing the asked number of files of the root directory
    Topics, // HELPCONTENTS lines, each a list of the asked number of topics, sent five times
    // Bare line feeds, about the asked number of megabytes: millions of empty lines for the
    // output pane, which the scroll-back limit must keep from filling memory.
    LineFeeds,
};

std::optional<WindowFlood> windowFloodNamed(std::string_view name);
// Whether the flood's size is in megabytes.
inline bool sizedInMegabytes(WindowFlood flood) {
    return flood == WindowFlood::News || flood == WindowFlood::LineFeeds;
}

// The capture for a flood: `size` is megabytes for the news and the line feeds, a count for
// files and topics.
std::string generateWindowFlood(WindowFlood flood, std::size_t size);

} // namespace vesk::bench
