#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// "Browse for .WAV" on the Triggers page: a command that already ends in a sound file has that
// last file swapped for the chosen one; any other command gets the chosen file added as one
// more stacked piece. The rule is kept apart from the file chooser so it can be checked alone.
class WavBrowse {
public:
    // Reads the Command field as it stands. `stackingSeparator` is the separator when command
    // stacking is on, nothing when it is off; only then can a separator start the last file.
    static WavBrowse plan(std::string_view command, std::optional<char> stackingSeparator);

    bool replaces() const { return replaces_; }
    // The file name offered to the chooser: the file being replaced, or nothing when adding.
    const std::string& initialFileName() const { return initialFileName_; }

    // The new command after the player chose `path`. Adding puts the stack character between
    // the old command and the path even while stacking is off (that is how a second piece is
    // prepared before stacking is switched on); a missing stack character adds nothing.
    std::string apply(std::string_view path, char stackCharacter) const;

private:
    // The part of the command that stays in front of the chosen path.
    std::string kept_;
    std::string initialFileName_;
    bool replaces_ = false;
};

} // namespace vesk
