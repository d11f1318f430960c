#pragma once

#include "display/Search.h"

#include <string>
#include <vector>

namespace vesk {

class TextBuffer;

// New text of one line since the last look: where it starts and its plain characters (UTF-8).
struct ArrivedText {
    TextPosition start;
    std::string text;
    // The echo of a command the client sent.
    bool echoed = false;
    bool operator==(const ArrivedText&) const = default;
};

// What has arrived in a buffer since it was last looked at, row by row, so a screen reader can
// be told of new text as it comes: whole new rows, and the characters added to an unfinished
// row (a prompt) once the rest of it arrives. It is looked at once the receive path is done
// with a read, so control lines it deleted again are never seen.
class ArrivingText {
public:
    explicit ArrivingText(const TextBuffer& buffer) : buffer_(buffer) {}

    // The text added since the last call, a piece per line (the rows of a wrapped line joined
    // as TextOffsets reads them); empty rows are left out.
    std::vector<ArrivedText> take();
    // Nobody listens: what is there counts as told.
    void skipToEnd();
    // The oldest `count` rows left the buffer.
    void linesDropped(int count);

private:
    TextPosition end() const;

    const TextBuffer& buffer_;
    // The first character not yet told of.
    TextPosition next_{0, 0};
};

} // namespace vesk
