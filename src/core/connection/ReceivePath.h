#pragma once

#include "connection/LineTriggers.h"
#include "display/TextBuffer.h"
#include "protocol/ServerLineParser.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// Turns the server's text into stored lines and runs every new line through the parser and the
// triggers. Lines are stored before they are parsed, so the parser always works on lines that
// are in the scroll-back; a consumed line is deleted again before the view repaints.
//
// Where the network cuts the stream changes nothing: an unfinished control line is held back
// until its line feed arrives, however many reads that takes, so a control line is never
// shown, logged or applied in pieces; so is a read that ends in the first characters of the
// marker at the start of a line ("#", "##VE"). An unfinished row that the parser would take
// away (captured file or help text, a row holding the marker) is held back too, and read once
// it is whole. A control line longer than the longest the client reads is dropped unread.
class ReceivePath {
public:
    // Rows of this length or more that are not control lines are stored and shown but never
    // parsed nor matched (a player may set a wrap width that long).
    static constexpr std::size_t longestParsedLine = 20000;
    // A held-back control line longer than this is dropped whole, up to its line feed.
    static constexpr std::size_t longestHeldFragment = longestControlLine;
    // A read larger than this is dispatched in slices of whole lines of about this size, or of
    // this many lines when they are short (a run of empty lines), so the lines just stored are
    // still in the cache when they are read.
    static constexpr std::size_t dispatchSlice = 64 * 1024;
    static constexpr int dispatchSliceLines = 2048;
    // A run of at least this many line breaks at the start of a line is stored in one go.
    static constexpr int emptyLineRun = 4;

    ReceivePath(TextBuffer& buffer, ServerLineParser& parser, LineTriggers& triggers);

    // Takes one read's text (telnet already removed). Returns false when there was no text, so
    // nothing needs repainting.
    bool receive(std::string_view text);

    // Where the note about a dropped control line goes (the diagnostic log); it never holds a
    // byte of the line.
    void setDropNote(std::function<void(const std::string&)> note) { dropNote_ = std::move(note); }

    // A new connection starts without a held-back fragment.
    void reset() {
        pending_.clear();
        pendingContinuesRow_ = false;
        discarding_ = false;
        carriageReturnHeld_ = false;
        partialLineExperience_ = 0;
        consumed_.clear();
    }
    const std::string& pendingFragment() const { return pending_; }

private:
    // Where a read's first byte stands.
    enum class Start {
        LineStart,    // a line of its own begins
        JoinsLastRow, // the unfinished last row goes on
        ContinuesRow, // a row held back goes on: the middle of a line, on a row of its own
    };

    // The lines one read stored: the batch counter, and whether the unfinished last line grew.
    struct Batch {
        int stored = 0;
        bool continued = false;
    };

    std::size_t storeEmptyLineRun(std::string_view text, Batch& batch);
    std::string_view withoutLoneCarriageReturns(std::string_view text);
    std::string_view skipDiscardedLine(std::string_view text);
    bool extendHeldFragment(std::string_view text);
    void receiveWhole(std::string_view text);
    std::optional<Start> startOf(std::string_view text);
    bool lastRowIsPrompt();
    void SplitReceivedText(std::string_view text, Start start);
    int firstNewIndex() const;
    std::size_t nextCut(std::string_view text, std::size_t segmentStart) const;
    bool holdBackTail(std::string_view tail);
    void storeSegment(std::string_view piece, Start start, Batch& batch);
    void store(std::string_view piece, Batch& batch, bool continuesRow = false);
    void dropControlLine();
    void completeLastLine(std::string_view lineBreak = "\n");
    void dispatchBatch(int startIndex, Batch& batch);
    void dispatchFrom(int startIndex, int& batch);
    void dispatchLines(int startIndex, int& batch);
    void holdRow(int index);
    bool consume(int index);
    int DispatchLine(std::string_view storedText, bool continuesRow, int& batch);
    void clean(std::string_view text);
    bool lastLinePartial() const;

    TextBuffer& buffer_;
    ServerLineParser& parser_;
    LineTriggers& triggers_;
    std::function<void(const std::string&)> dropNote_;
    // Text held back from the buffer until the next read goes on with it: an unfinished control
    // line, or an unfinished row the parser would take away.
    std::string pending_;
    // The held row is the middle of a line (it was wrapped off the row before it).
    bool pendingContinuesRow_ = false;
    // A control line too long to read is being dropped up to its line feed.
    bool discarding_ = false;
    // The read ended in a carriage return; the next byte tells whether it ends a line.
    bool carriageReturnHeld_ = false;
    std::string normalised_;
    std::string work_;
    std::string current_;
    std::string cleaned_;
    // Lines of the current dispatch that were consumed, deleted together at its end.
    std::vector<int> consumed_;
    // What the partial last line added to the experience when it was last read; it belongs to
    // that reading only while nothing else has changed the buffer since (the buffer's revision
    // then is `revisionAfterReceive_`).
    std::int32_t partialLineExperience_ = 0;
    std::uint64_t revisionAfterReceive_ = 0;
};

} // namespace vesk
