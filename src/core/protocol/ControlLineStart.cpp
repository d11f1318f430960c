#include "protocol/ControlLineStart.h"

#include "protocol/ControlMarker.h"

namespace vesk {
namespace {

constexpr char escape = '\x1b';
// Bytes that show nothing looked past before the line counts as text; a server's colour codes
// before a control line take a few dozen.
constexpr std::size_t mostSkippedBytes = 2048;

bool isShown(char byte) {
    return byte == '\t' || (byte >= 32 && byte <= 126);
}

LineStart classifyShownStart(std::string_view rest) {
    if (rest.starts_with(controlMarker)) {
        return LineStart::ControlLine;
    }
    return controlMarker.starts_with(rest) ? LineStart::Undecided : LineStart::Text;
}

} // namespace

// The cleaning drops a colour sequence up to its "m" and every byte that is not shown; a line
// break ends the line, so a sequence it interrupts never closes. Only the first couple of
// kilobytes are read, so deciding costs the same however long the line is.
LineStart classifyLineStart(std::string_view text) {
    const std::size_t limit = std::min(text.size(), mostSkippedBytes + controlMarker.size());
    const std::string_view head = text.substr(0, limit);
    std::size_t position = 0;
    while (position < head.size() && position <= mostSkippedBytes) {
        const char byte = head[position];
        if (byte == '\n') {
            return LineStart::Text;
        }
        if (isShown(byte)) {
            return classifyShownStart(text.substr(position));
        }
        if (byte == escape && position + 1 == head.size()) {
            break; // the next byte may open a sequence
        }
        if (byte != escape || head[position + 1] != '[') {
            ++position;
            continue;
        }
        const std::size_t end = head.find_first_of("m\n", position + 2);
        if (end == std::string_view::npos) {
            break;
        }
        if (head[end] == '\n') {
            return LineStart::Text;
        }
        position = end + 1;
    }
    // Everything read so far showed nothing: more of the line may still make it a control line,
    // unless it has already skipped all it may.
    return position > mostSkippedBytes || head.size() < text.size() ? LineStart::Text
                                                                    : LineStart::Undecided;
}

} // namespace vesk
