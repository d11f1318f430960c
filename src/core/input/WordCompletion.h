#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// Tab in the input line: the word before the caret is completed from a list of candidates
// (names first, then the words of the output), and Tab again, with the line as the last Tab
// left it, puts the next candidate in its place, round and round. The word's start is found by
// a blank; a prefix matches ignoring the case of ASCII letters, and the candidate replaces it as
// the candidate is spelt ("bo" becomes "Bob").
class WordCompletion {
public:
    struct Line {
        std::string text;
        // A byte offset into the text.
        std::size_t caret = 0;
        bool operator==(const Line&) const = default;
    };

    // The candidates are asked for only when a new word is completed.
    using Candidates = std::function<std::vector<std::string>()>;

    // The line after Tab; nothing when there is no word before the caret or no candidate.
    std::optional<Line> complete(const Line& line, const Candidates& candidates);
    // The candidates for a word, in the order given, each once (letter case aside), leaving out
    // the word itself.
    static std::vector<std::string> matching(std::string_view word,
                                             const std::vector<std::string>& candidates);

private:
    Line put(const std::string& candidate);

    std::optional<Line> last_;
    std::string before_;
    std::string after_;
    std::vector<std::string> matches_;
    std::size_t next_ = 0;
};

} // namespace vesk
