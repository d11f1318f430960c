#pragma once

#include "display/SgrState.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vesk {

// A run of consecutive stored lines of a text buffer: their bytes back to back in one
// allocation, and one entry of twelve bytes per line (where the line ends, its dispatch mark,
// whether it continues the row before it, the colour in force at its start). A flood of a
// million lines so costs a few hundred allocations, not a million, and a line costs its bytes
// plus its entry.
//
// A block holds at most `mostLines` lines, so the oldest lines can be dropped a block at a time
// without dropping much more than the scroll-back limit asks, however short the lines are.
class TextBlock {
public:
    static constexpr std::size_t mostLines = 4096;
    // A block's bytes start small and double up to this; a longer line gets a block of its own.
    static constexpr std::size_t mostBytes = 1024 * 1024;

    struct Entry {
        std::uint32_t end = 0;
        // A mark counts the lines of one read, far below 2^30.
        std::uint32_t handled : 30 = 0;
        std::uint32_t continuesRow : 1 = 0;
        // The echo of a command the client sent, which a screen reader may skip.
        std::uint32_t echoed : 1 = 0;
        PackedSgrState startColour;
    };

    TextBlock();
    ~TextBlock();
    TextBlock(TextBlock&& other) noexcept;
    TextBlock& operator=(TextBlock&& other) noexcept;
    TextBlock(const TextBlock& other);
    TextBlock& operator=(const TextBlock& other);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Whether a line of this many bytes still belongs in this block.
    bool hasRoomFor(std::size_t bytes) const;

    void append(std::string_view text, bool continuesRow, PackedSgrState startColour);
    // Appends up to `count` empty lines (a line feed each), as many as the block has room for,
    // and says how many.
    std::size_t appendEmptyLines(std::size_t count, PackedSgrState startColour);
    std::string_view text(std::size_t row) const {
        const std::size_t begin = row == 0 ? 0 : entries_[row - 1].end;
        return {bytes_ + begin, entries_[row].end - begin};
    }
    Entry& entry(std::size_t row) { return entries_[row]; }
    const Entry& entry(std::size_t row) const { return entries_[row]; }

    // Lengthens a line; the bytes of the lines behind it in the block move along.
    void appendTo(std::size_t row, std::string_view text);
    void removeLast();
    // Removes the given rows (ascending) and closes the gaps in one pass over the block.
    void remove(const std::vector<std::size_t>& ascendingRows);
    // No more lines come: the room kept for them is given back.
    void seal();
    std::size_t storageBytes() const;

private:
    void reserveBytes(std::size_t total);

    char* bytes_ = nullptr;
    std::size_t used_ = 0;
    std::size_t capacity_ = 0;
    std::vector<Entry> entries_;
};

} // namespace vesk
