#pragma once

#include <deque>
#include <string>
#include <vector>

namespace vesk {

class TextBuffer;
class WhoList;

// What Tab in the input line completes from, in this order: the names on the who list, the
// names of recent speakers (the most recent first), then the words of the last screens of the
// main view (the newest first). Words are runs of letters of three or more; repeats are left
// for the completion to drop.
std::vector<std::string> completionCandidates(const WhoList& who,
                                              const std::deque<std::string>& recentSpeakers,
                                              const TextBuffer& mainBuffer);

// The stored lines of the main view searched for words: about the last few screens.
inline constexpr int completionLinesSearched = 300;

} // namespace vesk
