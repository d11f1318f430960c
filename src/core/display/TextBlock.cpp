#include "display/TextBlock.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace vesk {
namespace {

constexpr std::size_t firstBytes = 16 * 1024;

} // namespace

TextBlock::TextBlock() {
    entries_.reserve(mostLines);
}

TextBlock::~TextBlock() {
    std::free(bytes_);
}

TextBlock::TextBlock(TextBlock&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), used_(std::exchange(other.used_, 0)),
      capacity_(std::exchange(other.capacity_, 0)), entries_(std::move(other.entries_)) {}

TextBlock::TextBlock(const TextBlock& other) : entries_(other.entries_) {
    reserveBytes(other.used_);
    if (other.used_ > 0) {
        std::memcpy(bytes_, other.bytes_, other.used_);
    }
    used_ = other.used_;
}

TextBlock& TextBlock::operator=(const TextBlock& other) {
    if (this != &other) {
        TextBlock copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TextBlock& TextBlock::operator=(TextBlock&& other) noexcept {
    if (this != &other) {
        std::free(bytes_);
        bytes_ = std::exchange(other.bytes_, nullptr);
        used_ = std::exchange(other.used_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        entries_ = std::move(other.entries_);
    }
    return *this;
}

bool TextBlock::hasRoomFor(std::size_t bytes) const {
    return entries_.size() < mostLines && (used_ == 0 || used_ + bytes <= mostBytes);
}

// Doubling keeps the copies of a growing block to about its size; realloc often grows in place.
void TextBlock::reserveBytes(std::size_t total) {
    if (total <= capacity_) {
        return;
    }
    std::size_t wanted = std::max(capacity_ == 0 ? firstBytes : capacity_ * 2, total);
    if (wanted > mostBytes && total <= mostBytes) {
        wanted = mostBytes;
    }
    void* grown = std::realloc(bytes_, wanted);
    if (grown == nullptr) {
        throw std::bad_alloc();
    }
    bytes_ = static_cast<char*>(grown);
    capacity_ = wanted;
}

void TextBlock::append(std::string_view text, bool continuesRow, PackedSgrState startColour) {
    reserveBytes(used_ + text.size());
    if (!text.empty()) {
        std::memcpy(bytes_ + used_, text.data(), text.size());
    }
    used_ += text.size();
    Entry entry;
    entry.end = static_cast<std::uint32_t>(used_);
    entry.continuesRow = continuesRow ? 1 : 0;
    entry.startColour = startColour;
    entries_.push_back(entry);
}

std::size_t TextBlock::appendEmptyLines(std::size_t count, PackedSgrState startColour) {
    const std::size_t byteRoom = used_ == 0 ? mostBytes : mostBytes - std::min(used_, mostBytes);
    const std::size_t lines = std::min({count, mostLines - entries_.size(), byteRoom});
    reserveBytes(used_ + lines);
    std::memset(bytes_ + used_, '\n', lines);
    Entry entry;
    entry.continuesRow = 0;
    entry.startColour = startColour;
    for (std::size_t line = 1; line <= lines; ++line) {
        entry.end = static_cast<std::uint32_t>(used_ + line);
        entries_.push_back(entry);
    }
    used_ += lines;
    return lines;
}

void TextBlock::appendTo(std::size_t row, std::string_view text) {
    if (text.empty()) {
        return;
    }
    reserveBytes(used_ + text.size());
    const std::size_t end = entries_[row].end;
    std::memmove(bytes_ + end + text.size(), bytes_ + end, used_ - end);
    std::memcpy(bytes_ + end, text.data(), text.size());
    used_ += text.size();
    for (std::size_t later = row; later < entries_.size(); ++later) {
        entries_[later].end += static_cast<std::uint32_t>(text.size());
    }
}

void TextBlock::removeLast() {
    entries_.pop_back();
    used_ = entries_.empty() ? 0 : entries_.back().end;
}

void TextBlock::remove(const std::vector<std::size_t>& ascendingRows) {
    if (ascendingRows.empty()) {
        return;
    }
    std::size_t target = ascendingRows.front();
    std::size_t begin = target == 0 ? 0 : entries_[target - 1].end;
    std::size_t written = begin;
    std::size_t next = 0;
    for (std::size_t row = target; row < entries_.size(); ++row) {
        // Entries before `row` may already hold their new ends, so the old ones are carried.
        const std::size_t end = entries_[row].end;
        const std::size_t length = end - begin;
        const bool removed = next < ascendingRows.size() && ascendingRows[next] == row;
        if (removed) {
            ++next;
        } else {
            if (written != begin) {
                std::memmove(bytes_ + written, bytes_ + begin, length);
            }
            written += length;
            Entry moved = entries_[row];
            moved.end = static_cast<std::uint32_t>(written);
            entries_[target++] = moved;
        }
        begin = end;
    }
    entries_.resize(target);
    used_ = written;
}

void TextBlock::seal() {
    if (entries_.capacity() - entries_.size() > entries_.size() / 4) {
        entries_.shrink_to_fit();
    }
    if (capacity_ - used_ > used_ / 4 && used_ > 0) {
        if (void* shrunk = std::realloc(bytes_, used_)) {
            bytes_ = static_cast<char*>(shrunk);
            capacity_ = used_;
        }
    }
}

std::size_t TextBlock::storageBytes() const {
    return capacity_ + entries_.capacity() * sizeof(Entry);
}

} // namespace vesk
