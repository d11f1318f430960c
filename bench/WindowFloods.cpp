#include "WindowFloods.h"

namespace vesk::bench {
namespace {

constexpr std::size_t filesPerLine = 1000;
constexpr int topicListsSent = 5;

std::string newsFlood(std::size_t megabytes) {
    static constexpr std::string_view words[] = {"The",   "castle", "gates",   "open", "at",
                                                 "dawn;", "bring",  "torches", "and",  "rope"};
    std::string capture;
    const std::size_t target = megabytes * 1024 * 1024;
    for (std::size_t line = 0; capture.size() < target; ++line) {
        capture += "##VESK NEWS";
        for (std::size_t word = 0; word < 12; ++word) {
            capture += ' ';
            capture += words[(line + word * 3) % std::size(words)];
        }
        capture += " #" + std::to_string(line) + "\n";
    }
    return capture;
}

std::string filesFlood(std::size_t files) {
    std::string capture;
    for (std::size_t file = 0; file < files;) {
        capture += "##VESK DIRFILES /";
        for (std::size_t inLine = 0; inLine < filesPerLine && file < files; ++inLine, ++file) {
            capture += " file" + std::to_string(file) + (file % 3 == 0 ? ".c" : ".h");
        }
        capture += '\n';
    }
    return capture;
}

std::string topicsFlood(std::size_t topics) {
    std::string line = "##VESK HELPCONTENTS";
    for (std::size_t topic = 0; topic < topics; ++topic) {
        line += " t" + std::to_string(topic);
    }
    line += '\n';
    std::string capture;
    for (int list = 0; list < topicListsSent; ++list) {
        capture += line;
    }
    return capture;
}

} // namespace

std::optional<WindowFlood> windowFloodNamed(std::string_view name) {
    if (name == "news") {
        return WindowFlood::News;
    }
    if (name == "files") {
        return WindowFlood::Files;
    }
    if (name == "topics") {
        return WindowFlood::Topics;
    }
    if (name == "linefeeds") {
        return WindowFlood::LineFeeds;
    }
    return std::nullopt;
}

std::string generateWindowFlood(WindowFlood flood, std::size_t size) {
    switch (flood) {
    case WindowFlood::News:
        return newsFlood(size);
    case WindowFlood::Files:
        return filesFlood(size);
    case WindowFlood::LineFeeds:
        return std::string(size * 1024 * 1024, '\n');
    case WindowFlood::Topics:
        break;
    }
    return topicsFlood(size);
}

} // namespace vesk::bench
