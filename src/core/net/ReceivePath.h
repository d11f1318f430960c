#pragma once

#include "display/TextBuffer.h"
#include "net/LineTriggers.h"
#include "protocol/ServerLineParser.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// Turns the server's text into stored lines and runs every new line through the parser and the
// triggers. Lines are stored before they are parsed, so the parser always works on lines that
// are in the scroll-back; a consumed line is deleted again before the view repaints.
//
// An unfinished control line is held back until its line feed arrives, however many reads that
// takes, so a control line is never shown, logged or applied in pieces. The same holds for a
// read that ends in the first characters of the marker at the start of a line ("#", "##VE"):
// the rest may make it a control line.
class ReceivePath {
public:
    // Lines of this length or more are stored and shown but never parsed nor matched.
    static constexpr std::size_t longestParsedLine = TextBuffer::longestControlRow;
    // A held-back control fragment longer than this can never be parsed; it is shown as text.
    static constexpr std::size_t longestHeldFragment = longestParsedLine;
    // A read larger than this is dispatched in slices of whole lines of about this size.
    static constexpr std::size_t dispatchSlice = 64 * 1024;

    ReceivePath(TextBuffer& buffer, ServerLineParser& parser, LineTriggers& triggers);

    // Takes one read's text (telnet already removed). Returns false when there was no text, so
    // nothing needs repainting.
    bool receive(std::string_view text);

    // A new connection starts without a held-back fragment.
    void reset() {
        pending_.clear();
        partialLineExperience_ = 0;
        consumed_.clear();
    }
    const std::string& pendingFragment() const { return pending_; }

private:
    // The lines one read stored: the batch counter, and whether the unfinished last line grew.
    struct Batch {
        int stored = 0;
        bool continued = false;
    };

    bool extendHeldFragment(std::string_view text);
    void receiveWhole(std::string_view text);
    void SplitReceivedText(std::string_view text);
    int firstNewIndex() const;
    std::size_t nextCut(std::string_view text, std::size_t segmentStart) const;
    bool holdsBack(std::string_view tail) const;
    void store(std::string_view piece, Batch& batch);
    void completeLastLine();
    void dispatchBatch(int startIndex, Batch& batch);
    void dispatchFrom(int startIndex, int& batch);
    void dispatchLines(int startIndex, int& batch);
    bool consume(int index);
    int DispatchLine(std::string_view storedText, int& batch);
    void clean(std::string_view text);
    bool lastLinePartial() const;

    TextBuffer& buffer_;
    ServerLineParser& parser_;
    LineTriggers& triggers_;
    std::string pending_;
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
