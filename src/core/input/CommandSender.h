#pragma once

#include "input/CommandHistory.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Connection;
class Host;
class SessionLog;
class Settings;
class TextBuffer;
class TypedTextEncoding;

// The one road by which every command leaves the client, whatever made it: a typed line, a
// macro, a trigger, a pasted line or a menu command. A command is split at the stacking
// separator; each piece is echoed (into the main output and the log, or into the chat pane for
// tells, says, shouts and channels) and then put on the wire with its line feed, piece by
// piece in textual order. Each command goes out in the encoding the server reads (UTF-8, or
// Latin-1 for a server that has shown it reads Latin-1), whatever the stored macro or trigger
// holds; the echo shows what went out.
//
// While the server echoes for itself (it is asking for a password) commands are sent but never
// echoed, logged or remembered, so a password cannot end up on screen, in a log file or in the
// history.
class CommandSender {
public:
    CommandSender(Connection& connection, const TypedTextEncoding& encoding,
                  const Settings& settings, TextBuffer& mainBuffer, TextBuffer& chatBuffer,
                  SessionLog& log, Host& host, std::function<bool()> serverEchoes = {});

    // Splits, echoes and sends a command; does nothing while not connected. Never touches the
    // history.
    void SendCommand(std::string_view text);
    // A command the player gave: remembered in the history when asked, then sent. Does nothing
    // while not connected.
    void SendUserCommand(std::string_view text, bool remember);
    // The local echo of one piece.
    void EchoCommand(std::string_view text);

    bool connected() const;
    bool serverEchoes() const { return serverEchoes_ && serverEchoes_(); }
    // The separator in force: nothing while stacking is off or the separator is empty.
    std::optional<char> stackSeparator() const;

    // The pieces of a stacked command: split at every separator, the remainder after the last
    // one always a piece of its own (empty after a trailing separator). Without a separator the
    // whole text is the one piece. The separator is a character: in UTF-8 text a separator
    // above 0x7F is found as its UTF-8 form.
    static std::vector<std::string_view> splitStackedCommand(std::string_view text,
                                                             std::optional<char> separator);
    // Whether a command's first word sends it to a chat channel: "tell", "say", "shout", or a
    // channel name in lower case, alone or followed by "emote". Letter case must match.
    static bool isChatCommand(std::string_view text);

    // Hears every command piece as it goes on the wire (the reconnect listens for "quit").
    void setCommandObserver(std::function<void(std::string_view)> observer) {
        commandObserver_ = std::move(observer);
    }

    CommandHistory& history() { return history_; }
    const CommandHistory& history() const { return history_; }

private:
    void sendPiece(std::string_view piece);

    Connection& connection_;
    const TypedTextEncoding& encoding_;
    const Settings& settings_;
    TextBuffer& mainBuffer_;
    TextBuffer& chatBuffer_;
    SessionLog& log_;
    Host& host_;
    std::function<bool()> serverEchoes_;
    std::function<void(std::string_view)> commandObserver_;
    CommandHistory history_;
};

} // namespace vesk
