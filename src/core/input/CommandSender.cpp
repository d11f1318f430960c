#include "input/CommandSender.h"

#include "input/CommandStacking.h"

#include "common/Host.h"
#include "common/ServerCharacters.h"
#include "connection/Connection.h"
#include "connection/TypedTextEncoding.h"
#include "display/TextBuffer.h"
#include "log/SessionLog.h"
#include "protocol/ChannelNames.h"
#include "settings/Settings.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr std::string_view wordBreaks = " \r\n";

std::string_view firstWord(std::string_view text) {
    const std::size_t start = text.find_first_not_of(wordBreaks);
    if (start == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(start);
    return text.substr(0, text.find_first_of(wordBreaks));
}

// A channel name matches in lower case only: "gossip" does, "Gossip" does not.
bool isLowerCaseChannel(std::string_view word) {
    return std::any_of(ChannelNames.begin(), ChannelNames.end(), [word](std::string_view name) {
        if (word.size() != name.size()) {
            return false;
        }
        for (std::size_t index = 0; index < name.size(); ++index) {
            const char lower = (name[index] >= 'A' && name[index] <= 'Z')
                                   ? static_cast<char>(name[index] - 'A' + 'a')
                                   : name[index];
            if (word[index] != lower) {
                return false;
            }
        }
        return true;
    });
}

} // namespace

CommandSender::CommandSender(Connection& connection, const TypedTextEncoding& encoding,
                             const Settings& settings, TextBuffer& mainBuffer,
                             TextBuffer& chatBuffer, SessionLog& log, Host& host,
                             std::function<bool()> serverEchoes)
    : connection_(connection), encoding_(encoding), settings_(settings), mainBuffer_(mainBuffer),
      chatBuffer_(chatBuffer), log_(log), host_(host), serverEchoes_(std::move(serverEchoes)) {}

bool CommandSender::connected() const {
    return connection_.connected();
}

std::optional<char> CommandSender::stackSeparator() const {
    return CommandStacking::separator(settings_);
}

std::vector<std::string_view> CommandSender::splitStackedCommand(std::string_view text,
                                                                 std::optional<char> separator) {
    std::vector<std::string_view> pieces;
    if (separator) {
        // The setting holds one byte, the separator's Latin-1 code; in UTF-8 text a separator
        // above 0x7F is the two bytes of the same character, so no character is ever cut.
        std::string mark(1, *separator);
        if (static_cast<unsigned char>(*separator) >= 0x80 && isValidUtf8(text)) {
            mark = toUtf8(mark, Decoding::Latin1);
        }
        std::size_t found = text.find(mark);
        while (!text.empty() && found != std::string_view::npos) {
            pieces.push_back(text.substr(0, found));
            text.remove_prefix(found + mark.size());
            found = text.find(mark);
        }
    }
    pieces.push_back(text);
    return pieces;
}

bool CommandSender::isChatCommand(std::string_view text) {
    const std::string_view word = firstWord(text);
    if (word == "tell" || word == "say" || word == "shout") {
        return true;
    }
    constexpr std::string_view emote = "emote";
    return isLowerCaseChannel(word) ||
           (word.ends_with(emote) &&
            isLowerCaseChannel(word.substr(0, word.size() - emote.size())));
}

void CommandSender::SendCommand(std::string_view text) {
    if (!connected()) {
        return;
    }
    // The whole command takes the encoding the server reads before it is cut, so every piece is
    // read the same way. Echoing may store into a buffer the text came from; this is a copy.
    const std::string command = encoding_.encode(text);
    const std::optional<char> separator = stackSeparator();
    if (!separator) {
        EchoCommand(command);
        connection_.DoSend(command.ends_with('\n') ? command : command + '\n');
        if (commandObserver_) {
            commandObserver_(command);
        }
        return;
    }
    for (std::string_view piece : splitStackedCommand(command, separator)) {
        sendPiece(piece);
    }
}

// Every stacked piece gets its own line feed, even one that already ends in one.
void CommandSender::sendPiece(std::string_view piece) {
    EchoCommand(piece);
    std::string line(piece);
    line.push_back('\n');
    connection_.DoSend(line);
    if (commandObserver_) {
        commandObserver_(piece);
    }
}

void CommandSender::SendUserCommand(std::string_view text, bool remember) {
    if (!connected()) {
        return;
    }
    if (remember && !serverEchoes()) {
        history_.remember(text);
    }
    SendCommand(text);
}

void CommandSender::EchoCommand(std::string_view text) {
    if (settings_.number(setting::cmdEcho) == 0 || serverEchoes()) {
        return;
    }
    if (settings_.isOn(setting::chatOpen) && isChatCommand(text)) {
        chatBuffer_.AddString(text);
        host_.changed(Change::ChatBuffer);
        return;
    }
    std::string echoed(text);
    echoed.push_back('\n');
    // An echo that completes an unfinished line (a prompt) marks that row too.
    const int firstRow = mainBuffer_.empty() || mainBuffer_.lastLineComplete()
                             ? mainBuffer_.LineCount()
                             : mainBuffer_.lastIndex();
    mainBuffer_.AddText(echoed);
    mainBuffer_.markEchoedFrom(firstRow);
    host_.changed(Change::MainBuffer);
    log_.logEchoedCommand(text);
}

} // namespace vesk
