#pragma once

#include "connection/LineTriggers.h"
#include "input/TriggerIndex.h"
#include "profiles/TriggerList.h"

#include <cstdint>
#include <string_view>

namespace vesk {

class CommandSender;
class Host;
class Preferences;

// Answers received lines by itself: every enabled trigger of the active profile whose pattern
// begins a line runs its command, in list order, after the parser has seen the line. A command
// is split at the stacking separator; a piece ending in ".WAV" is a sound to play, every other
// piece goes out through the send path.
//
// Lines are matched through an index of the active profile's patterns. The index is rebuilt
// whenever the active list's revision differs from the one it was built from, so switching
// profiles, editing a trigger in place and copying an edited list over the live one all take
// effect on the next line without anyone announcing them. A trigger is still checked against
// the live list before it fires.
class TriggerEngine : public LineTriggers {
public:
    TriggerEngine(Preferences& preferences, CommandSender& sender, Host& host);

    void MatchTriggers(std::string_view cleanLine, int& recognised) override;
    void RunTriggerAction(const TriggerRecord& record);
    void RunActionPiece(std::string_view text);

    // Longer than its ".WAV" ending, in any letter case.
    static bool isSoundFile(std::string_view text);

private:
    void refreshIndex(const TriggerList& triggers);
    bool canFire(int position, std::string_view line) const;

    Preferences& preferences_;
    CommandSender& sender_;
    Host& host_;
    TriggerIndex index_;
    // The revision of the list the index was built from.
    std::uint64_t builtRevision_ = 0;
    bool built_ = false;
};

} // namespace vesk
