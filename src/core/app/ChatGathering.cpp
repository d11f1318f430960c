#include "app/ChatGathering.h"

#include "common/Host.h"
#include "display/TextBuffer.h"
#include "settings/Settings.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr int tellCategory = 0;
constexpr int channelCategory = 3;

bool isNameCharacter(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z') ||
           character == '-' || character == '\'' || static_cast<unsigned char>(character) >= 0x80;
}

// A name as the game spells one: a run of letters (and the odd hyphen or apostrophe).
std::optional<std::string_view> leadingName(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isNameCharacter(text[length])) {
        ++length;
    }
    if (length == 0) {
        return std::nullopt;
    }
    return text.substr(0, length);
}

// "[Gossip] Bob: hi" or "%[Gossip] Bob: hi": the word after the channel's bracket.
std::optional<std::string_view> channelSpeaker(std::string_view line) {
    const std::size_t close = line.find("] ");
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(close + 2);
    const auto name = leadingName(rest);
    if (!name) {
        return std::nullopt;
    }
    rest.remove_prefix(name->size());
    // "[Gossip] Bob: hi" and "[Gossip] Bob waves." name Bob; anything else names nobody.
    if (!rest.starts_with(':') && !rest.starts_with(' ')) {
        return std::nullopt;
    }
    return name;
}

} // namespace

ChatGathering::ChatGathering(const Settings& settings, TextBuffer& chatBuffer, Host& host)
    : settings_(settings), chatBuffer_(chatBuffer), host_(host) {}

std::optional<std::string_view> ChatGathering::speakerOf(std::string_view line, int category) {
    if (category < tellCategory || category > channelCategory || line.starts_with("You ") ||
        line.starts_with("<=-")) {
        return std::nullopt;
    }
    if (category == channelCategory) {
        return channelSpeaker(line);
    }
    const auto name = leadingName(line);
    if (!name || line.size() == name->size() || line[name->size()] != ' ') {
        return std::nullopt;
    }
    return name;
}

bool ChatGathering::isOthersConversation(std::string_view line, int category,
                                         std::string_view ownName) {
    if (category < tellCategory || category > channelCategory || line.starts_with("You ")) {
        return false;
    }
    // The channel review's markers frame other players' lines, so they come along.
    if (line.starts_with("<=-")) {
        return true;
    }
    const auto speaker = speakerOf(line, category);
    return !speaker || ownName.empty() || *speaker != ownName;
}

void ChatGathering::receivedLine(std::string_view line, int category, std::string_view ownName) {
    if (!isOthersConversation(line, category, ownName)) {
        return;
    }
    if (const auto speaker = speakerOf(line, category)) {
        rememberSpeaker(*speaker);
    }
    if (!settings_.isOn(setting::chatOpen) || !settings_.isOn(setting::gatherChat)) {
        return;
    }
    chatBuffer_.AddString(line);
    host_.changed(Change::ChatBuffer);
}

void ChatGathering::rememberSpeaker(std::string_view name) {
    const auto found = std::find(speakers_.begin(), speakers_.end(), name);
    if (found != speakers_.end()) {
        speakers_.erase(found);
    }
    speakers_.emplace_front(name);
    if (speakers_.size() > speakerLimit) {
        speakers_.pop_back();
    }
}

} // namespace vesk
