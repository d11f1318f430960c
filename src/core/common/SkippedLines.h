#pragma once

#include <string_view>

namespace vesk {

// What a settings reader passed over without reading it. A line led by a name (a key or a
// section this client does not know) is most likely a newer client's setting; anything else
// (loose words, stray symbols) is no setting at all. Either would be lost when the file is
// written again, so the save keeps a copy of the file; only the second is worth telling the
// player about.
struct SkippedLines {
    bool newerSettings = false;
    bool unreadable = false;

    // A line skipped because of its first token: a name, or not.
    void skip(std::string_view firstToken) {
        (isSettingName(firstToken) ? newerSettings : unreadable) = true;
    }
    void add(const SkippedLines& other) {
        newerSettings = newerSettings || other.newerSettings;
        unreadable = unreadable || other.unreadable;
    }

    // A letter, then letters, digits or underscores: how every key and section is named.
    static bool isSettingName(std::string_view token) {
        const auto isLetter = [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        };
        if (token.empty() || !isLetter(token.front())) {
            return false;
        }
        for (const char c : token) {
            if (!isLetter(c) && !(c >= '0' && c <= '9') && c != '_') {
                return false;
            }
        }
        return true;
    }
};

} // namespace vesk
