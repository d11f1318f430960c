#include "display/TextBuffer.h"

#include "common/ServerCharacters.h"
#include "display/SgrReader.h"
#include "display/WrapLine.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr int capacityStep = 100;
constexpr int spareSlots = 5;

} // namespace

TextBuffer::TextBuffer() {
    capacity_ = capacityStep;
}

void TextBuffer::reserveNextSlot() {
    if (LineCount() >= capacity_ + spareSlots) {
        capacity_ += capacityStep;
    }
}

TextBuffer::Place TextBuffer::findPlace(int index) const {
    const auto after = std::upper_bound(blockStarts_.begin(), blockStarts_.end(), index);
    const auto block = static_cast<std::size_t>(after - blockStarts_.begin()) - 1;
    foundBlock_ = block;
    foundFirst_ = blockStarts_[block];
    foundEnd_ = foundFirst_ + static_cast<int>(blocks_[block].size());
    return {block, static_cast<std::size_t>(index - foundFirst_)};
}

TextBlock& TextBuffer::blockFor(std::size_t bytes) {
    if (blocks_.empty() || !blocks_.back().hasRoomFor(bytes)) {
        if (!blocks_.empty()) {
            blocks_.back().seal();
        }
        blocks_.emplace_back();
        blockStarts_.push_back(lineCount_);
    }
    return blocks_.back();
}

void TextBuffer::storeLine(std::string_view text, bool continuesRow) {
    reserveNextSlot();
    ++revision_;
    const PackedSgrState colour = packedColourAtEnd(lastIndex());
    blockFor(text.size()).append(text, continuesRow, colour);
    ++lineCount_;
    dropOldestBeyondLimit();
    if (linesChanged_) {
        linesChanged_();
    }
}

// An empty line keeps the colour the line before it ended with, and changes none.
void TextBuffer::addEmptyLines(int count) {
    if (count <= 0) {
        return;
    }
    const PackedSgrState colour = packedColourAtEnd(lastIndex());
    while (count > 0) {
        const int added =
            static_cast<int>(blockFor(1).appendEmptyLines(static_cast<std::size_t>(count), colour));
        for (int line = 0; line < added; ++line) {
            reserveNextSlot();
            ++lineCount_;
        }
        count -= added;
        dropOldestBeyondLimit();
    }
    ++revision_;
    if (linesChanged_) {
        linesChanged_();
    }
}

TextLine TextBuffer::line(int index) const {
    const Place place = placeOf(index);
    const TextBlock& block = blocks_[place.block];
    const TextBlock::Entry& entry = block.entry(place.row);
    return {block.text(place.row), static_cast<std::int32_t>(entry.handled),
            entry.continuesRow != 0, entry.echoed != 0};
}

std::string_view TextBuffer::lineText(int index) const {
    const Place place = placeOf(index);
    return blocks_[place.block].text(place.row);
}

std::int32_t TextBuffer::handled(int index) const {
    const Place place = placeOf(index);
    return static_cast<std::int32_t>(blocks_[place.block].entry(place.row).handled);
}

void TextBuffer::setHandled(int index, std::int32_t mark) {
    setHandled(index, 1, mark);
}

void TextBuffer::setHandled(int first, int count, std::int32_t mark) {
    for (int done = 0; done < count;) {
        const Place place = placeOf(first + done);
        TextBlock& block = blocks_[place.block];
        for (std::size_t row = place.row; row < block.size() && done < count; ++row, ++done) {
            block.entry(row).handled = static_cast<std::uint32_t>(mark) & 0x3fffffffU;
        }
    }
}

int TextBuffer::emptyLinesFrom(int index, int limit) const {
    int count = 0;
    while (count < limit && index + count < lineCount_) {
        const Place place = placeOf(index + count);
        const TextBlock& block = blocks_[place.block];
        for (std::size_t row = place.row; row < block.size() && count < limit; ++row, ++count) {
            const TextBlock::Entry& entry = block.entry(row);
            if (entry.continuesRow != 0 || entry.handled == 1 || block.text(row) != "\n") {
                return count;
            }
        }
    }
    return count;
}

bool TextBuffer::continuesRow(int index) const {
    const Place place = placeOf(index);
    return blocks_[place.block].entry(place.row).continuesRow != 0;
}

void TextBuffer::AddString(std::string_view text) {
    addRows(text, false);
}

// A control line is one row however long, up to the longest the receive path stores, so the
// parser sees it whole; the middle of a line never is one.
void TextBuffer::addRows(std::string_view text, bool firstContinues) {
    // Only a line that starts with '#' or with a byte that shows nothing can be a control line.
    const unsigned char first = text.empty() ? 'x' : static_cast<unsigned char>(text.front());
    const bool mayBeControl = first == '#' || first < 32 || first > 126;
    const bool controlLine = mayBeControl && !firstContinues && text.size() <= longestControlRow &&
                             beginsControlLine(text);
    const int width = controlLine ? static_cast<int>(text.size())
                                  : (wrapWidth_ > 0 ? wrapWidth_ : paneWidthBound);
    const std::size_t hiddenLimit = controlLine ? text.size() : mostHiddenBytes;
    // Each piece after a wrap is wrapped again on its own, so the loop stands in for recursion
    // and a long line cannot exhaust the stack.
    bool continues = firstContinues;
    do {
        const WrappedLine pieces = WrapLine(text, width, hiddenLimit);
        storeLine(pieces.head, continues);
        text = pieces.rest;
        continues = true;
    } while (!text.empty());
}

bool TextBuffer::lastLineComplete() const {
    if (empty()) {
        return false;
    }
    const std::string_view last = blocks_.back().text(blocks_.back().size() - 1);
    return !last.empty() && last.back() == '\n';
}

// `stored` remembers an empty line stored on the way: a chunk such as CR LF CR has stored one
// even though nothing follows its last carriage return.
int TextBuffer::AddText(std::string_view chunk, bool continuesRow) {
    int stored = 0;
    for (;;) {
        if (chunk.empty()) {
            return stored;
        }
        if (chunk.front() == '\r') {
            chunk.remove_prefix(1);
            if (chunk.empty()) {
                return stored;
            }
        }
        // An empty buffer is like one whose last line is complete: a leading line break is an
        // empty line of its own rather than the first byte of the next line.
        if (empty() || lastLineComplete()) {
            if (chunk.front() != '\n') {
                addRows(chunk, continuesRow);
                return 1;
            }
            // A line break right after a complete line is an empty line of its own.
            AddString("\n");
            stored = 1;
            continuesRow = false;
            chunk.remove_prefix(1);
            if (chunk.empty()) {
                return 1;
            }
            continue;
        }
        if (chunk.front() == '\n') {
            // The partial line stays as it is; the text behind the break starts a new line.
            AddString(chunk.substr(1));
            return 1;
        }
        ++revision_;
        std::string joined(lineText(lastIndex()));
        const bool joinedContinues = this->continuesRow(lastIndex());
        joined.append(chunk);
        blocks_.back().removeLast();
        forgetPlace();
        --lineCount_;
        removeEmptyBlocksFrom(blocks_.size() - 1);
        addRows(joined, joinedContinues);
        return -1;
    }
}

void TextBuffer::markEchoedFrom(int index) {
    for (int line = std::max(index, 0); line < LineCount(); ++line) {
        const Place place = placeOf(line);
        blocks_[place.block].entry(place.row).echoed = 1;
    }
}

void TextBuffer::DeleteLine(int index) {
    deleteLines({index});
}

// The rows to delete are gathered block by block; each touched block closes its gaps once.
void TextBuffer::deleteLines(const std::vector<int>& ascendingIndices) {
    if (ascendingIndices.empty() || ascendingIndices.front() < 0 ||
        ascendingIndices.front() > lastIndex()) {
        return;
    }
    ++revision_;
    const std::size_t firstBlock = placeOf(ascendingIndices.front()).block;
    std::vector<std::size_t> rows;
    std::size_t block = firstBlock;
    int removed = 0;
    const auto removeGathered = [&] {
        blocks_[block].remove(rows);
        forgetPlace();
        removed += static_cast<int>(rows.size());
        rows.clear();
    };
    for (const int index : ascendingIndices) {
        if (index > lastIndex()) {
            break;
        }
        const Place place = placeOf(index);
        if (place.block != block) {
            removeGathered();
            block = place.block;
        }
        rows.push_back(place.row);
    }
    removeGathered();
    lineCount_ -= removed;
    removeEmptyBlocksFrom(firstBlock);
    // Each gap joins two lines that were apart; the start colours behind each are checked.
    int removedBefore = 0;
    for (const int index : ascendingIndices) {
        if (removedBefore == removed) {
            break;
        }
        recolourFrom(index - removedBefore++);
    }
}

// Blocks left empty go, and the first lines of the blocks from `block` on are counted again.
void TextBuffer::removeEmptyBlocksFrom(std::size_t block) {
    std::size_t kept = block;
    for (std::size_t next = block; next < blocks_.size(); ++next) {
        if (blocks_[next].empty()) {
            continue;
        }
        if (kept != next) {
            blocks_[kept] = std::move(blocks_[next]);
        }
        ++kept;
    }
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(kept), blocks_.end());
    blockStarts_.resize(blocks_.size());
    int start =
        block == 0 ? 0 : blockStarts_[block - 1] + static_cast<int>(blocks_[block - 1].size());
    for (std::size_t next = block; next < blocks_.size(); ++next) {
        blockStarts_[next] = start;
        start += static_cast<int>(blocks_[next].size());
    }
    forgetPlace();
}

void TextBuffer::AppendToLine(int index, std::string_view text) {
    if (index < 0 || index > lastIndex()) {
        return;
    }
    ++revision_;
    const Place place = placeOf(index);
    blocks_[place.block].appendTo(place.row, text);
    recolourFrom(index + 1);
}

void TextBuffer::recolourFrom(int index) {
    for (int line = std::max(index, 0); line <= lastIndex(); ++line) {
        const PackedSgrState start = packedColourAtEnd(line - 1);
        const Place place = placeOf(line);
        TextBlock::Entry& stored = blocks_[place.block].entry(place.row);
        if (stored.startColour == start) {
            return;
        }
        stored.startColour = start;
    }
}

void TextBuffer::setScrollbackLimit(int lines) {
    scrollbackLimit_ = lines < 0 ? 0 : lines;
    dropOldestBeyondLimit();
}

// Whole blocks go, oldest first, as long as the lines behind them still fill the limit. The
// first line kept keeps its start colour: the colour the server set above it is still in force.
void TextBuffer::dropOldestBeyondLimit() {
    if (dropHolds_ > 0 || scrollbackLimit_ <= 0) {
        return;
    }
    int dropped = 0;
    while (blocks_.size() > 1 &&
           lineCount_ - dropped - static_cast<int>(blocks_.front().size()) >= scrollbackLimit_) {
        dropped += static_cast<int>(blocks_.front().size());
        blocks_.pop_front();
    }
    if (dropped == 0) {
        return;
    }
    blockStarts_.erase(blockStarts_.begin(),
                       blockStarts_.begin() +
                           static_cast<std::ptrdiff_t>(blockStarts_.size() - blocks_.size()));
    for (int& start : blockStarts_) {
        start -= dropped;
    }
    lineCount_ -= dropped;
    forgetPlace();
    droppedLines_ += static_cast<std::uint64_t>(dropped);
    ++revision_;
    shiftSelection(dropped);
}

// A selection moves up with its text; the part of it that was dropped is gone.
void TextBuffer::shiftSelection(int dropped) {
    if (selStartLine < 0) {
        return;
    }
    selStartLine -= dropped;
    selEndLine -= dropped;
    if (selEndLine < 0) {
        selStartLine = selStartCol = selEndLine = selEndCol = -1;
    } else if (selStartLine < 0) {
        selStartLine = 0;
        selStartCol = 0;
    }
}

std::size_t TextBuffer::storageBytes() const {
    std::size_t bytes = blockStarts_.capacity() * sizeof(int);
    for (const TextBlock& block : blocks_) {
        bytes += block.storageBytes() + sizeof(TextBlock);
    }
    return bytes;
}

SgrState TextBuffer::colourAtStart(int index) const {
    if (index < 0 || index > lastIndex()) {
        return {};
    }
    const Place place = placeOf(index);
    return blocks_[place.block].entry(place.row).startColour.unpack();
}

SgrState TextBuffer::colourAtEnd(int index) const {
    return packedColourAtEnd(index).unpack();
}

// A line without an ESC ends in the colour it starts with: most lines are read no further.
PackedSgrState TextBuffer::packedColourAtEnd(int index) const {
    if (index < 0 || index > lastIndex()) {
        return {};
    }
    const Place place = placeOf(index);
    const TextBlock& block = blocks_[place.block];
    const PackedSgrState start = block.entry(place.row).startColour;
    const std::string_view text = block.text(place.row);
    if (text.find('\x1b') == std::string_view::npos) {
        return start;
    }
    return PackedSgrState(SgrReader::stateAfter(text, start.unpack()));
}

std::optional<std::string> TextBuffer::GetPlainLine(int index) const {
    std::string plain;
    if (!GetPlainLine(index, plain)) {
        return std::nullopt;
    }
    return plain;
}

bool TextBuffer::GetPlainLine(int index, std::string& plain) const {
    plain.clear();
    if (index < 0 || index > lastIndex()) {
        return false;
    }
    copyPlain(lineText(index), plain);
    return true;
}

// Runs of displayable bytes are copied whole: a search reads every stored line this way. True
// when a byte above 0x7F was copied.
bool TextBuffer::copyPlain(std::string_view text, std::string& plain) {
    plain.reserve(text.size());
    unsigned char seen = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t runEnd = position;
        for (; runEnd < text.size(); ++runEnd) {
            const auto code = static_cast<unsigned char>(text[runEnd]);
            if (code < 0x20 || code == 0x7f) {
                break;
            }
            seen |= code;
        }
        plain.append(text, position, runEnd - position);
        if (runEnd + 1 < text.size() && text[runEnd] == '\x1b' && text[runEnd + 1] == '[') {
            const std::size_t end = text.find('m', runEnd + 2);
            if (end == std::string_view::npos) {
                break;
            }
            runEnd = end;
        }
        position = runEnd + 1;
    }
    return (seen & 0x80) != 0;
}

std::optional<std::string> TextBuffer::getPlainCharacters(int index) const {
    std::string characters;
    if (!getPlainCharacters(index, characters)) {
        return std::nullopt;
    }
    return characters;
}

bool TextBuffer::getPlainCharacters(int index, std::string& characters) const {
    characters.clear();
    if (index < 0 || index > lastIndex()) {
        return false;
    }
    const std::string_view text = lineText(index);
    // Plain ASCII, the common line, reads the same either way.
    if (copyPlain(text, characters) && decodingOf(text) == Decoding::Latin1) {
        characters = toUtf8(characters, Decoding::Latin1);
    }
    return true;
}

void TextBuffer::FreeAll() {
    ++revision_;
    blocks_.clear();
    blockStarts_.clear();
    blockStarts_.shrink_to_fit();
    forgetPlace();
    lineCount_ = 0;
    capacity_ = 0;
}

void TextBuffer::Clear() {
    FreeAll();
    capacity_ = capacityStep;
    AddString(" \n");
}

} // namespace vesk
