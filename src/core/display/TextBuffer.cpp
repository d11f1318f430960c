#include "display/TextBuffer.h"

#include "display/WrapLine.h"

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
    lines_.push_back({std::string(text), 0, continuesRow});
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
    const int width = controlLine ? static_cast<int>(text.size()) : wrapWidth_;
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

void TextBuffer::DeleteLine(int index) {
    if (index < 0 || index > lastIndex()) {
        return;
    }
    ++revision_;
    lines_.erase(lines_.begin() + index);
}

void TextBuffer::DeleteLines(const std::vector<int>& ascendingIndices) {
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
}

void TextBuffer::AppendToLine(int index, std::string_view text) {
    if (index < 0 || index > lastIndex()) {
        return;
    }
    ++revision_;
    lines_[static_cast<std::size_t>(index)].text.append(text);
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
    const std::string& text = lines_[static_cast<std::size_t>(index)].text;
    plain.reserve(text.size());
    // Runs of displayable bytes are copied whole: a search reads every stored line this way.
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t runEnd = position;
        while (runEnd < text.size() && text[runEnd] >= 0x20 && text[runEnd] <= 0x7e) {
            ++runEnd;
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
