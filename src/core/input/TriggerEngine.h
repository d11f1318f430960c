#pragma once

#include "input/TriggerIndex.h"
#include "input/TriggerRecord.h"
#include "net/LineTriggers.h"

#include <string_view>
#include <vector>

namespace vesk {

class CommandSender;
class Host;
class Preferences;

// Answers received lines by itself: every enabled trigger of the active profile whose pattern
// begins a line runs its command, in list order, after the parser has seen the line. A command
// is split at the stacking separator; a piece ending in ".WAV" is a sound to play, every other
// piece goes out through the send path.
//
// Lines are matched through an index of the active profile's patterns. Switching profiles and
// adding or removing triggers are noticed on the next line; an edit that keeps the list's size
// and storage (the Profiles dialog's OK copies the edited list over the live one) must be
// announced with triggersChanged(). A trigger is checked against the live list before it
// fires, so a stale index can miss a new pattern but never fires a changed one.
class TriggerEngine : public LineTriggers {
public:
    TriggerEngine(Preferences& preferences, CommandSender& sender, Host& host);

    void MatchTriggers(std::string_view cleanLine, int& recognised) override;
    void RunTriggerAction(const TriggerRecord& record);
    void RunActionPiece(std::string_view text);

    // The trigger lists were edited in place: the index is rebuilt before the next line.
    void triggersChanged() { stale_ = true; }

    // Longer than its ".WAV" ending, in any letter case.
    static bool IsSoundFile(std::string_view text);

private:
    // What the index was built from; a different list, size or storage means a rebuild.
    struct Source {
        const std::vector<TriggerRecord>* list = nullptr;
        const TriggerRecord* records = nullptr;
        std::size_t size = 0;
        bool operator==(const Source&) const = default;
    };

    void refreshIndex(const std::vector<TriggerRecord>& triggers);
    bool canFire(int position, std::string_view line) const;

    Preferences& preferences_;
    CommandSender& sender_;
    Host& host_;
    TriggerIndex index_;
    Source source_;
    bool stale_ = true;
};

} // namespace vesk
