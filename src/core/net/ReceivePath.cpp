#include "net/ReceivePath.h"

#include "protocol/ControlMarker.h"

namespace vesk {
namespace {

constexpr char escape = '\x1b';

bool isLineBreak(char byte) {
    return byte == '\n' || byte == '\r';
}

} // namespace

ReceivePath::ReceivePath(TextBuffer& buffer, ServerLineParser& parser, LineTriggers& triggers)
    : buffer_(buffer), parser_(parser), triggers_(triggers) {}

bool ReceivePath::lastLinePartial() const {
    return !buffer_.empty() && !buffer_.lastLineComplete() &&
           !buffer_.line(buffer_.lastIndex()).text.empty();
}

bool ReceivePath::receive(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    // A typed command's echo, a notice or a cleared pane has touched the lines since the last
    // read: the partial line's reading is final, and what it added stays.
    if (buffer_.revision() != revisionAfterReceive_) {
        partialLineExperience_ = 0;
    }
    if (!extendHeldFragment(text)) {
        receiveWhole(text);
    }
    revisionAfterReceive_ = buffer_.revision();
    return true;
}

// A held-back control line that this read does not finish only grows: it is not scanned again,
// so a long control line in many small reads costs time in proportion to its length.
bool ReceivePath::extendHeldFragment(std::string_view text) {
    if (pending_.empty() || text.find('\n') != std::string_view::npos ||
        pending_.size() + text.size() >= longestHeldFragment) {
        return false;
    }
    const std::size_t start = pending_.find_first_not_of("\r\n");
    if (start == std::string::npos ||
        std::string_view(pending_).substr(start).substr(0, controlMarker.size()) != controlMarker) {
        return false;
    }
    pending_.append(text);
    return true;
}

void ReceivePath::receiveWhole(std::string_view text) {
    work_.clear();
    work_.append(pending_);
    work_.append(text);
    pending_.clear();
    // A control line that starts a read begins a line of its own even behind an unfinished
    // prompt: the server writes its prompts and its control lines separately. The control
    // line's own line feed ends the prompt's line, so text after it starts a fresh row however
    // the reads fell; the added line feed is invisible.
    if (lastLinePartial() && std::string_view(work_).starts_with(controlMarker)) {
        completeLastLine();
    }
    SplitReceivedText(work_);
}

// A line feed ends a line, except right at the start of a segment: an empty line's break (a
// lone LF, or CR LF) stays with the next line and the buffer splits it off there, so a blank
// line is stored the same way however the reads fell.
std::size_t ReceivePath::nextCut(std::string_view text, std::size_t segmentStart) const {
    std::size_t search = segmentStart;
    for (;;) {
        const std::size_t feed = text.find('\n', search);
        if (feed == std::string_view::npos) {
            return feed;
        }
        const std::size_t offset = feed - segmentStart;
        const bool lastByte = feed + 1 == text.size();
        if (offset >= 2 || (offset == 0 && lastByte) ||
            (offset == 1 && !isLineBreak(text[segmentStart]))) {
            return feed;
        }
        search = feed + 1;
    }
}

// The first index a dispatch reads: the partial last line, which this text may continue, or
// the line after a complete one.
int ReceivePath::firstNewIndex() const {
    const bool partialBefore = !buffer_.empty() && !buffer_.lastLineComplete();
    return buffer_.empty() ? 0 : buffer_.lastIndex() + (partialBefore ? 0 : 1);
}

// A large read is dispatched in slices of whole lines, as though the socket had cut it there
// (the same lines, parsed in the same order): the lines are still in the cache when they are
// parsed, and a read of any size costs the same per byte.
void ReceivePath::SplitReceivedText(std::string_view text) {
    int startIndex = firstNewIndex();
    Batch batch;
    std::size_t segmentStart = 0;
    std::size_t sliceStart = 0;
    for (std::size_t cut = nextCut(text, 0); cut != std::string_view::npos;
         cut = nextCut(text, segmentStart)) {
        store(text.substr(segmentStart, cut + 1 - segmentStart), batch);
        segmentStart = cut + 1;
        if (segmentStart - sliceStart >= dispatchSlice && segmentStart < text.size()) {
            dispatchBatch(startIndex, batch);
            startIndex = firstNewIndex();
            batch = {};
            sliceStart = segmentStart;
        }
    }
    const std::string_view tail = text.substr(segmentStart);
    if (tail.size() < longestHeldFragment && holdsBack(tail)) {
        pending_.assign(tail);
    } else {
        store(tail, batch);
    }
    dispatchBatch(startIndex, batch);
}

void ReceivePath::dispatchBatch(int startIndex, Batch& batch) {
    if (batch.stored > 0 || batch.continued) {
        dispatchFrom(startIndex, batch.stored);
    }
}

// The start of a control line (or of its marker) waits for the rest of its line.
bool ReceivePath::holdsBack(std::string_view tail) const {
    while (!tail.empty() && isLineBreak(tail.front())) {
        tail.remove_prefix(1);
    }
    return !tail.empty() && (tail.starts_with(controlMarker) || controlMarker.starts_with(tail));
}

// The unfinished line is final now: what its reading added stays.
void ReceivePath::completeLastLine() {
    buffer_.AppendToLine(buffer_.lastIndex(), "\n");
    partialLineExperience_ = 0;
}

// A line break right after an unfinished line completes that line. Left to the buffer, the
// break would be dropped and the line stay unfinished, and once a control line behind it is
// deleted again, the next blank line would be taken for its ending.
void ReceivePath::store(std::string_view piece, Batch& batch) {
    if (piece.empty()) {
        return;
    }
    if (lastLinePartial()) {
        std::string_view rest = piece;
        if (rest.front() == '\r') {
            rest.remove_prefix(1);
        }
        if (!rest.empty() && rest.front() == '\n') {
            completeLastLine();
            batch.continued = true;
            piece = rest.substr(1);
            if (piece.empty()) {
                return;
            }
        }
    }
    const int stored = buffer_.AddText(piece);
    batch.stored += stored > 0 ? 1 : 0;
    batch.continued = batch.continued || stored < 0;
}

// A consumed line in the middle of the batch is deleted with the others at the end, so a read
// of many control lines does not move the lines behind each one; the last line goes at once,
// so an echo written while the line is read cannot continue it.
bool ReceivePath::consume(int index) {
    if (index == buffer_.lastIndex()) {
        buffer_.DeleteLine(index);
        return true;
    }
    consumed_.push_back(index);
    return false;
}

void ReceivePath::dispatchFrom(int startIndex, int& batch) {
    consumed_.clear();
    dispatchLines(startIndex, batch);
    buffer_.DeleteLines(consumed_);
    consumed_.clear();
}

void ReceivePath::dispatchLines(int startIndex, int& batch) {
    const int lastAtStart = buffer_.lastIndex();
    for (int index = startIndex < 0 ? 0 : startIndex;
         index <= lastAtStart && index <= buffer_.lastIndex();) {
        if (buffer_.line(index).handled == 1) {
            ++index;
            continue;
        }
        // The parser and the triggers may echo commands into this buffer, so they work on a
        // copy and the index is checked again afterwards.
        current_ = buffer_.line(index).text;
        if (index == startIndex && partialLineExperience_ != 0) {
            parser_.withdrawExperience(partialLineExperience_);
        }
        partialLineExperience_ = 0;
        const int result = DispatchLine(current_, batch);
        if (index == buffer_.lastIndex() && !buffer_.lastLineComplete()) {
            partialLineExperience_ = parser_.experienceOfLastLine();
        }
        if (index > buffer_.lastIndex()) {
            break;
        }
        buffer_.line(index).handled = batch;
        if (result != OrdinaryLine && result != RecognisedText) {
            if (!consume(index)) {
                ++index;
            }
            continue;
        }
        if (!parser_.lineSuffix().empty()) {
            buffer_.AppendToLine(index, parser_.lineSuffix());
        }
        ++index;
    }
}

int ReceivePath::DispatchLine(std::string_view storedText, int& batch) {
    parser_.clearLineSuffix();
    if (storedText.size() >= longestParsedLine) {
        return OrdinaryLine;
    }
    clean(storedText);
    const int result = parser_.ParseServerLine(cleaned_, batch);
    triggers_.MatchTriggers(cleaned_, batch);
    return result;
}

// Colour sequences and control bytes go; a line feed stays only while a capture is running,
// because captured file and help text keeps its line structure. Every byte above 0x7F stays as
// it came, so triggers, the session log and captured files see the server's bytes (an accented
// letter is not lost on its way into a log or a downloaded file).
void ReceivePath::clean(std::string_view text) {
    const bool keepLineFeeds = parser_.captureMode() != CaptureMode::None;
    cleaned_.resize(text.size());
    char* out = cleaned_.data();
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char byte = text[position];
        if (byte == escape && position + 1 < text.size() && text[position + 1] == '[') {
            const std::size_t end = text.find('m', position + 2);
            if (end == std::string_view::npos) {
                break;
            }
            position = end;
        } else if (byte == '\t' || (byte >= 32 && byte <= 126) || (byte & 0x80) != 0 ||
                   (byte == '\n' && keepLineFeeds)) {
            *out++ = byte;
        }
    }
    cleaned_.resize(static_cast<std::size_t>(out - cleaned_.data()));
}

} // namespace vesk
