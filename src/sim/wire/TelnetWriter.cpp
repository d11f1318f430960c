#include "wire/TelnetWriter.h"

#include "wire/FragmentingWriter.h"

namespace vesk::sim {
namespace {

constexpr char interpretAsCommand = '\xFF';
constexpr char will = '\xFB';
constexpr char wont = '\xFC';
constexpr char doOption = '\xFD';
constexpr char echoOption = '\x01';
constexpr char suppressGoAhead = '\x03';
constexpr char terminalType = '\x18';

} // namespace

void TelnetWriter::openingNegotiation() {
    const char bytes[] = {interpretAsCommand, will,     suppressGoAhead,
                          interpretAsCommand, doOption, terminalType};
    raw(std::string_view(bytes, sizeof bytes));
}

void TelnetWriter::line(std::string_view text) {
    std::string bytes = promptShowing ? "\r\n" : "";
    promptShowing = false;
    bytes += text;
    bytes += "\r\n";
    put(bytes);
}

void TelnetWriter::prompt(std::string_view text) {
    if (promptShowing) {
        put("\r\n");
    }
    put(text);
    promptShowing = true;
}

void TelnetWriter::hideTyping() {
    const char bytes[] = {interpretAsCommand, will, echoOption};
    raw(std::string_view(bytes, sizeof bytes));
}

void TelnetWriter::showTyping() {
    const char bytes[] = {interpretAsCommand, wont, echoOption};
    raw(std::string_view(bytes, sizeof bytes));
}

void TelnetWriter::raw(std::string_view bytes) {
    output.write(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string TelnetWriter::coloured(AnsiColour colour, std::string_view text) {
    return "\x1b[" + std::to_string(static_cast<int>(colour)) + "m" + std::string(text) +
           "\x1b[0;37;40m";
}

void TelnetWriter::put(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char byte : text) {
        escaped.push_back(byte);
        if (byte == interpretAsCommand) {
            escaped.push_back(byte);
        }
    }
    raw(escaped);
}

} // namespace vesk::sim
