#include "app/CompletionCandidates.h"

#include "display/TextBuffer.h"
#include "social/WhoList.h"

namespace vesk {
namespace {

constexpr std::size_t shortestWord = 3;

bool isWordByte(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           static_cast<unsigned char>(byte) >= 0x80;
}

// The words of one line, last word first, so the newest text comes first.
void addWordsNewestFirst(const std::string& line, std::vector<std::string>& words) {
    std::size_t end = line.size();
    while (end > 0) {
        while (end > 0 && !isWordByte(line[end - 1])) {
            --end;
        }
        std::size_t start = end;
        while (start > 0 && isWordByte(line[start - 1])) {
            --start;
        }
        if (end - start >= shortestWord) {
            words.push_back(line.substr(start, end - start));
        }
        end = start;
    }
}

} // namespace

std::vector<std::string> completionCandidates(const WhoList& who,
                                              const std::deque<std::string>& recentSpeakers,
                                              const TextBuffer& mainBuffer) {
    std::vector<std::string> candidates;
    for (const WhoEntry& entry : who.entries()) {
        candidates.push_back(entry.name);
    }
    candidates.insert(candidates.end(), recentSpeakers.begin(), recentSpeakers.end());
    std::string plain;
    const int oldest = std::max(0, mainBuffer.LineCount() - completionLinesSearched);
    for (int index = mainBuffer.LineCount() - 1; index >= oldest; --index) {
        if (mainBuffer.GetPlainLine(index, plain)) {
            addWordsNewestFirst(plain, candidates);
        }
    }
    return candidates;
}

} // namespace vesk
