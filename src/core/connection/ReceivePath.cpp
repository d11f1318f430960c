#include "connection/ReceivePath.h"

#include "protocol/ControlLineStart.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vesk {
namespace {

constexpr char escape = '\x1b';

bool isLineBreak(char byte) {
    return byte == '\n' || byte == '\r';
}

std::size_t leadingLineBreaks(std::string_view text) {
    const std::size_t first = text.find_first_not_of("\r\n");
    return first == std::string_view::npos ? text.size() : first;
}

// An empty line as it is stored: its line break alone.
bool isBareLineBreak(std::string_view text) {
    return text == "\n" || text == "\r\n";
}

// A line's length without its line break.
std::size_t lengthWithoutBreak(std::string_view line) {
    while (!line.empty() && isLineBreak(line.back())) {
        line.remove_suffix(1);
    }
    return line.size();
}

// The bytes a cleaned line keeps as they are: tabs, printable ASCII and every byte of a
// multi-byte character.
constexpr std::array<bool, 256> keptAsTheyAre() {
    std::array<bool, 256> kept{};
    for (int byte = 0; byte < 256; ++byte) {
        kept[byte] = byte == '\t' || (byte >= 32 && byte <= 126) || byte >= 0x80;
    }
    return kept;
}

constexpr std::array<bool, 256> keptBytes = keptAsTheyAre();

// Whether none of eight bytes is a control byte (below 32, or 127): then all are kept, tabs
// aside, which take the byte-wise look. A byte above 127 never counts as one.
bool keptAsTheyAreAll8(const char* bytes) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    const std::uint64_t below32 = (word - ones * 0x20) & ~word & highBits;
    const std::uint64_t delete127 = word ^ (ones * 0x7f);
    const std::uint64_t isDelete = (delete127 - ones) & ~delete127 & highBits;
    return (below32 | isDelete) == 0;
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
    {
        // The read's line indices hold until it is dispatched; the oldest lines go after.
        const TextBuffer::DropHold hold(buffer_);
        text = withoutLoneCarriageReturns(text);
        if (discarding_) {
            text = skipDiscardedLine(text);
        }
        if (!text.empty() && !extendHeldFragment(text)) {
            receiveWhole(text);
        }
    }
    revisionAfterReceive_ = buffer_.revision();
    return !text.empty();
}

// A carriage return is never drawn and never starts a row; only the one that ends a line
// before its line feed is kept. Dropping the others here, before anything is cut or stored,
// makes a run of them give the same rows (none) whatever size the reads have. One that ends a
// read waits for the next byte to tell which it is.
std::string_view ReceivePath::withoutLoneCarriageReturns(std::string_view text) {
    const bool heldBefore = carriageReturnHeld_;
    carriageReturnHeld_ = text.back() == '\r';
    const std::string_view body = text.substr(0, text.size() - (carriageReturnHeld_ ? 1 : 0));
    const bool restoreHeld = heldBefore && text.front() == '\n';
    // Nearly every read ends its lines with CR LF and holds no other carriage return: it is
    // passed on as it is, after one quick look from one carriage return to the next.
    const char* const end = body.data() + body.size();
    const char* carriageReturn =
        static_cast<const char*>(std::memchr(body.data(), '\r', body.size()));
    while (carriageReturn != nullptr && carriageReturn + 1 < end && carriageReturn[1] == '\n') {
        carriageReturn = static_cast<const char*>(std::memchr(
            carriageReturn + 2, '\r', static_cast<std::size_t>(end - carriageReturn - 2)));
    }
    if (carriageReturn == nullptr && !restoreHeld) {
        return body;
    }
    normalised_.assign(restoreHeld ? "\r" : "");
    std::size_t position = 0;
    for (std::size_t found = body.find('\r'); found != std::string_view::npos;
         found = body.find('\r', position)) {
        const bool endsLine = found + 1 < body.size() && body[found + 1] == '\n';
        normalised_.append(body.substr(position, found + (endsLine ? 1 : 0) - position));
        position = found + 1;
    }
    normalised_.append(body.substr(position));
    return normalised_;
}

// The rest of a control line too long to read goes unread, its line feed with it.
std::string_view ReceivePath::skipDiscardedLine(std::string_view text) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string_view::npos) {
        return {};
    }
    discarding_ = false;
    return text.substr(feed + 1);
}

// A held-back control line that this read does not finish only grows: it is not scanned again,
// so a long control line in many small reads costs time in proportion to its length. Once it
// would pass the longest the client reads, the whole text goes the long way and is dropped.
bool ReceivePath::extendHeldFragment(std::string_view text) {
    if (pending_.empty() || pendingContinuesRow_ || text.find('\n') != std::string_view::npos) {
        return false;
    }
    const std::size_t breaks = leadingLineBreaks(pending_);
    const std::string_view held = std::string_view(pending_).substr(breaks);
    if (held.size() + text.size() > longestHeldFragment || !beginsControlLine(held)) {
        return false;
    }
    pending_.append(text);
    return true;
}

void ReceivePath::receiveWhole(std::string_view text) {
    work_.assign(pending_).append(text);
    const bool continuesRow = pendingContinuesRow_;
    pending_.clear();
    pendingContinuesRow_ = false;
    const std::optional<Start> start = continuesRow ? Start::ContinuesRow : startOf(work_);
    if (!start) {
        pending_ = work_;
        return;
    }
    SplitReceivedText(work_, *start);
}

// Text after an unfinished row goes on with that row, as it would had it come in the same
// read. The one exception: a control line that starts a read right behind a prompt the parser
// knows begins a line of its own (the server writes its prompts and its control lines
// separately). Behind anything else, such as another player's unfinished words, the marker is
// just more of the same line, so no read boundary can turn words into a control line. Nothing
// when the read is too short to tell yet: it waits for the next.
std::optional<ReceivePath::Start> ReceivePath::startOf(std::string_view text) {
    if (!lastLinePartial()) {
        return Start::LineStart;
    }
    if (!lastRowIsPrompt()) {
        return Start::JoinsLastRow;
    }
    switch (classifyLineStart(text)) {
    case LineStart::ControlLine:
        // The control line's own line feed ends the prompt's line, so text after it starts a
        // fresh row however the reads fell; the added line feed is invisible.
        completeLastLine();
        return Start::LineStart;
    case LineStart::Undecided:
        return std::nullopt;
    case LineStart::Text:
        break;
    }
    return Start::JoinsLastRow;
}

bool ReceivePath::lastRowIsPrompt() {
    const TextLine& last = buffer_.line(buffer_.lastIndex());
    if (last.continuesRow) {
        return false;
    }
    clean(last.text);
    return parser_.isPrompt(cleaned_);
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
void ReceivePath::SplitReceivedText(std::string_view text, Start start) {
    int startIndex = firstNewIndex();
    Batch batch;
    std::size_t segmentStart = 0;
    std::size_t sliceStart = 0;
    const auto dispatchWhenSliceFull = [&] {
        const bool sliceFull =
            segmentStart - sliceStart >= dispatchSlice || batch.stored >= dispatchSliceLines;
        if (sliceFull && segmentStart < text.size()) {
            dispatchBatch(startIndex, batch);
            startIndex = firstNewIndex();
            batch = {};
            sliceStart = segmentStart;
        }
    };
    for (;;) {
        const Start segmentKind = segmentStart == 0 ? start : Start::LineStart;
        if (segmentKind == Start::LineStart) {
            if (const std::size_t run = storeEmptyLineRun(text.substr(segmentStart), batch)) {
                segmentStart += run;
                dispatchWhenSliceFull();
                continue;
            }
        }
        const std::size_t cut = nextCut(text, segmentStart);
        if (cut == std::string_view::npos) {
            break;
        }
        storeSegment(text.substr(segmentStart, cut + 1 - segmentStart), segmentKind, batch);
        segmentStart = cut + 1;
        dispatchWhenSliceFull();
    }
    const std::string_view tail = text.substr(segmentStart);
    const Start tailStart = segmentStart == 0 ? start : Start::LineStart;
    if (tailStart != Start::LineStart || !holdBackTail(tail)) {
        storeSegment(tail, tailStart, batch);
    }
    dispatchBatch(startIndex, batch);
}

// Line breaks right after a complete line are empty lines of their own. A run of them is stored
// in one go, up to a dispatch slice of lines, all but its last break, which goes on with the
// text behind it as any empty line's break does. The bytes taken, or 0.
std::size_t ReceivePath::storeEmptyLineRun(std::string_view text, Batch& batch) {
    if (text.empty() || !isLineBreak(text.front()) ||
        !(buffer_.empty() || buffer_.lastLineComplete())) {
        return 0;
    }
    std::size_t lastBreak = 0;
    std::size_t position = 0;
    int breaks = 0;
    while (breaks <= dispatchSliceLines) {
        std::size_t next = position;
        if (next < text.size() && text[next] == '\r') {
            ++next;
        }
        if (next >= text.size() || text[next] != '\n') {
            break;
        }
        lastBreak = position;
        position = next + 1;
        ++breaks;
    }
    const int emptyLines = breaks - 1;
    if (emptyLines < emptyLineRun) {
        return 0;
    }
    buffer_.addEmptyLines(emptyLines);
    batch.stored += emptyLines;
    return lastBreak;
}

// The start of a control line (or of its marker) at the start of a line waits for the rest of
// its line.
bool ReceivePath::holdBackTail(std::string_view tail) {
    const std::string_view body = tail.substr(leadingLineBreaks(tail));
    if (body.empty()) {
        return false;
    }
    const LineStart kind = classifyLineStart(body);
    if (kind == LineStart::Text ||
        (kind == LineStart::ControlLine && body.size() > longestHeldFragment)) {
        return false;
    }
    pending_.assign(tail);
    return true;
}

// A control line longer than the client reads is never stored, shown, logged or applied: the
// blank lines before it are kept, and the rest of it is dropped up to its line feed, however
// many reads that takes.
void ReceivePath::storeSegment(std::string_view piece, Start start, Batch& batch) {
    if (start == Start::LineStart && piece.size() > longestControlLine) {
        const std::size_t breaks = leadingLineBreaks(piece);
        const std::string_view body = piece.substr(breaks);
        if (lengthWithoutBreak(body) > longestControlLine && beginsControlLine(body)) {
            store(piece.substr(0, breaks), batch);
            discarding_ = !body.ends_with('\n');
            dropControlLine();
            return;
        }
    }
    store(piece, batch, start == Start::ContinuesRow);
}

void ReceivePath::dropControlLine() {
    if (dropNote_) {
        dropNote_("A control line longer than " + std::to_string(longestControlLine) +
                  " bytes was dropped unread.\n");
    }
}

void ReceivePath::dispatchBatch(int startIndex, Batch& batch) {
    if (batch.stored > 0 || batch.continued) {
        dispatchFrom(startIndex, batch.stored);
    }
}

// The unfinished line is final now: what its reading added stays.
void ReceivePath::completeLastLine(std::string_view lineBreak) {
    buffer_.AppendToLine(buffer_.lastIndex(), lineBreak);
    partialLineExperience_ = 0;
}

// A line break right after an unfinished line completes that line. Left to the buffer, the
// break would be dropped and the line stay unfinished, and once a control line behind it is
// deleted again, the next blank line would be taken for its ending.
void ReceivePath::store(std::string_view piece, Batch& batch, bool continuesRow) {
    if (piece.empty()) {
        return;
    }
    if (!continuesRow && lastLinePartial()) {
        const std::size_t breakLength = piece.starts_with("\r\n") ? 2 : piece.starts_with('\n');
        if (breakLength > 0) {
            completeLastLine(piece.substr(0, breakLength));
            batch.continued = true;
            piece.remove_prefix(breakLength);
            if (piece.empty()) {
                return;
            }
        }
    }
    const int stored = buffer_.AddText(piece, continuesRow);
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
    buffer_.deleteLines(consumed_);
    consumed_.clear();
}

// The unfinished last row is read only once it is whole when the parser would take it away:
// captured text goes to its file whole, and a row holding the marker is never shown in part.
// It leaves the buffer and waits for the next read, which goes on from it on a row of its own,
// exactly where the whole line would have started that row.
void ReceivePath::holdRow(int index) {
    pending_ = buffer_.line(index).text;
    pendingContinuesRow_ = buffer_.line(index).continuesRow;
    buffer_.DeleteLine(index);
}

// When the rest of a wrapped line is taken away (consumed, or held back unfinished), the row
// of it still shown ends the line, so the next read does not go on from that row.
void ReceivePath::dispatchLines(int startIndex, int& batch) {
    const int lastAtStart = buffer_.lastIndex();
    const int first = startIndex < 0 ? 0 : startIndex;
    int keptRow =
        first > 0 && first <= lastAtStart && buffer_.line(first).continuesRow ? first - 1 : -1;
    const auto endKeptRow = [&] {
        if (keptRow >= 0 && !buffer_.line(keptRow).text.ends_with('\n')) {
            buffer_.AppendToLine(keptRow, "\n");
        }
    };
    for (int index = first; index <= lastAtStart && index <= buffer_.lastIndex();) {
        const TextLine& row = buffer_.line(index);
        const bool continues = row.continuesRow;
        if (!continues) {
            keptRow = -1;
        }
        if (row.handled == 1) {
            keptRow = index++;
            continue;
        }
        const bool unfinished = index == buffer_.lastIndex() && !buffer_.lastLineComplete();
        if (unfinished && parser_.captureMode() != CaptureMode::None) {
            endKeptRow();
            holdRow(index);
            break;
        }
        if (index == startIndex && partialLineExperience_ != 0) {
            parser_.withdrawExperience(partialLineExperience_);
        }
        partialLineExperience_ = 0;
        // An empty line, and the empty lines right behind it, are read as the parser reads
        // them one by one, and marked in one go.
        if (!continues && isBareLineBreak(row.text) && parser_.captureMode() == CaptureMode::None) {
            const int run = 1 + buffer_.emptyLinesFrom(index + 1, lastAtStart - index);
            for (int line = 0; line < run; ++line) {
                parser_.clearLineSuffix();
                parser_.parseEmptyLine();
            }
            if (index + run - 1 > buffer_.lastIndex()) {
                break;
            }
            buffer_.setHandled(index, run, batch);
            index += run;
            keptRow = index - 1;
            continue;
        }
        // The parser and the triggers may echo commands into this buffer, so they work on a
        // copy and the index is checked again afterwards.
        current_ = row.text;
        const int result = DispatchLine(current_, continues, batch);
        const bool stillUnfinished =
            index == buffer_.lastIndex() && !buffer_.lastLineComplete() && unfinished;
        if (stillUnfinished) {
            partialLineExperience_ = parser_.experienceOfLastLine();
        }
        if (index > buffer_.lastIndex()) {
            break;
        }
        buffer_.setHandled(index, batch);
        if (result != OrdinaryLine && result != RecognisedText) {
            if (stillUnfinished || current_.ends_with('\n')) {
                endKeptRow();
            }
            if (stillUnfinished) {
                partialLineExperience_ = 0;
                holdRow(index);
                break;
            }
            if (!consume(index)) {
                ++index;
            }
            continue;
        }
        keptRow = index;
        if (!parser_.lineSuffix().empty()) {
            buffer_.AppendToLine(index, parser_.lineSuffix());
        }
        ++index;
    }
}

int ReceivePath::DispatchLine(std::string_view storedText, bool continuesRow, int& batch) {
    parser_.clearLineSuffix();
    if (storedText.size() >= longestParsedLine &&
        (continuesRow || !beginsControlLine(storedText))) {
        return OrdinaryLine;
    }
    clean(storedText);
    const int result = continuesRow ? parser_.parseRowContinuation(cleaned_)
                                    : parser_.ParseServerLine(cleaned_, batch);
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
    const char* in = text.data();
    const char* const end = in + text.size();
    // Most of a line is kept as it is: it is copied a run at a time.
    while (in < end) {
        const char* const run = in;
        while (end - in >= 8 && keptAsTheyAreAll8(in)) {
            in += 8;
        }
        while (in < end && keptBytes[static_cast<unsigned char>(*in)]) {
            ++in;
        }
        std::memcpy(out, run, static_cast<std::size_t>(in - run));
        out += in - run;
        if (in == end) {
            break;
        }
        if (*in == escape && in + 1 < end && in[1] == '[') {
            const void* const colourEnd =
                std::memchr(in + 2, 'm', static_cast<std::size_t>(end - in - 2));
            if (colourEnd == nullptr) {
                break;
            }
            in = static_cast<const char*>(colourEnd) + 1;
            continue;
        }
        if (*in == '\n' && keepLineFeeds) {
            *out++ = '\n';
        }
        ++in;
    }
    cleaned_.resize(static_cast<std::size_t>(out - cleaned_.data()));
}

} // namespace vesk
