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

void TextBuffer::storeLine(std::string_view text, bool continuesRow) {
    reserveNextSlot();
    ++revision_;
    lines_.push_back({std::string(text), 0, continuesRow, false, packedColourAtEnd(lastIndex())});
    if (linesChanged_) {
        linesChanged_();
    }
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
    return !lines_.empty() && !lines_.back().text.empty() && lines_.back().text.back() == '\n';
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
        if (lines_.empty() || lastLineComplete()) {
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
        std::string joined = std::move(lines_.back().text);
        const bool joinedContinues = lines_.back().continuesRow;
        joined.append(chunk);
        lines_.pop_back();
        addRows(joined, joinedContinues);
        return -1;
    }
}

void TextBuffer::markEchoedFrom(int index) {
    for (int line = std::max(index, 0); line < LineCount(); ++line) {
        lines_[static_cast<std::size_t>(line)].echoed = true;
    }
}

void TextBuffer::DeleteLine(int index) {
    if (index < 0 || index > lastIndex()) {
        return;
    }
    ++revision_;
    lines_.erase(lines_.begin() + index);
    recolourFrom(index);
}

void TextBuffer::deleteLines(const std::vector<int>& ascendingIndices) {
    if (ascendingIndices.empty() || ascendingIndices.front() < 0 ||
        ascendingIndices.front() > lastIndex()) {
        return;
    }
    ++revision_;
    auto target = lines_.begin() + ascendingIndices.front();
    std::size_t next = 0;
    for (auto source = target; source != lines_.end(); ++source) {
        const int index = static_cast<int>(source - lines_.begin());
        if (next < ascendingIndices.size() && ascendingIndices[next] == index) {
            ++next;
            continue;
        }
        if (target != source) {
            *target = std::move(*source);
        }
        ++target;
    }
    lines_.erase(target, lines_.end());
    // Each gap joins two lines that were apart; the start colours behind each are checked.
    int removedBefore = 0;
    for (const int index : ascendingIndices) {
        recolourFrom(index - removedBefore++);
    }
}

void TextBuffer::AppendToLine(int index, std::string_view text) {
    if (index < 0 || index > lastIndex()) {
        return;
    }
    ++revision_;
    lines_[static_cast<std::size_t>(index)].text.append(text);
    recolourFrom(index + 1);
}

void TextBuffer::recolourFrom(int index) {
    for (int line = std::max(index, 0); line <= lastIndex(); ++line) {
        const PackedSgrState start = packedColourAtEnd(line - 1);
        TextLine& stored = lines_[static_cast<std::size_t>(line)];
        if (stored.startColour == start) {
            return;
        }
        stored.startColour = start;
    }
}

SgrState TextBuffer::colourAtStart(int index) const {
    if (index < 0 || index > lastIndex()) {
        return {};
    }
    return lines_[static_cast<std::size_t>(index)].startColour.unpack();
}

SgrState TextBuffer::colourAtEnd(int index) const {
    return packedColourAtEnd(index).unpack();
}

// A line without an ESC ends in the colour it starts with: most lines are read no further.
PackedSgrState TextBuffer::packedColourAtEnd(int index) const {
    if (index < 0 || index > lastIndex()) {
        return {};
    }
    const TextLine& stored = lines_[static_cast<std::size_t>(index)];
    if (stored.text.find('\x1b') == std::string::npos) {
        return stored.startColour;
    }
    return PackedSgrState(SgrReader::stateAfter(stored.text, stored.startColour.unpack()));
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
    copyPlain(lines_[static_cast<std::size_t>(index)].text, plain);
    return true;
}

// Runs of displayable bytes are copied whole: a search reads every stored line this way. True
// when a byte above 0x7F was copied.
bool TextBuffer::copyPlain(const std::string& text, std::string& plain) {
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
            if (end == std::string::npos) {
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
    const std::string& text = lines_[static_cast<std::size_t>(index)].text;
    // Plain ASCII, the common line, reads the same either way.
    if (copyPlain(text, characters) && decodingOf(text) == Decoding::Latin1) {
        characters = toUtf8(characters, Decoding::Latin1);
    }
    return true;
}

void TextBuffer::FreeAll() {
    ++revision_;
    lines_.clear();
    lines_.shrink_to_fit();
    capacity_ = 0;
}

void TextBuffer::Clear() {
    FreeAll();
    capacity_ = capacityStep;
    AddString(" \n");
}

} // namespace vesk
