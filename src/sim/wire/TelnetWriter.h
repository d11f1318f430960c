#pragma once

#include <string>
#include <string_view>

namespace vesk::sim {

class FragmentingWriter;

enum class AnsiColour { Red = 31, Green = 32, Yellow = 33, Blue = 34, Magenta = 35, Cyan = 36 };

// Writes game text the way a MUD puts it on a telnet connection: lines end in CR LF, prompts
// end without a line feed (the next line first finishes the prompt's line), a literal byte 255
// is doubled, and the echo option is switched around password entry.
class TelnetWriter {
public:
    explicit TelnetWriter(FragmentingWriter& output) : output(output) {}

    // What a MUD asks of a fresh connection; the client is free to refuse or ignore it.
    void openingNegotiation();
    void line(std::string_view text);
    void prompt(std::string_view text);
    // Before the password: the server will echo, so the client stops showing what is typed.
    void hideTyping();
    void showTyping();
    // Bytes exactly as given (scripts, floods).
    void raw(std::string_view bytes);

    // ESC[3xm text ESC[0;37;40m: a colour and the reset the client knows.
    static std::string coloured(AnsiColour colour, std::string_view text);

private:
    void put(std::string_view text);

    FragmentingWriter& output;
    bool promptShowing = false;
};

} // namespace vesk::sim
