#pragma once

#include "common/Rgb.h"
#include "status/BodyPart.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class CombatantList;
class StatusModel;

// One thing the status window draws, in view pixels. Texts are placed by their top-left
// corner and drawn opaque on black, so a later item covers an earlier one where they meet.
struct StatusPaintItem {
    enum class Kind { Limb, Fill, Text };
    Kind kind = Kind::Fill;
    int x = 0, y = 0;
    // Fill: its size. Text: the room it has before whatever follows on its line (0 for no
    // limit); a longer text is shortened to fit rather than run under a bar.
    int width = 0, height = 0;
    Rgb colour;
    // Limb only: the picture, drawn at its own size or the narrow layout's smaller one.
    BodyPart part = BodyPart::Head;
    // Text only.
    std::string text;
    bool operator==(const StatusPaintItem&) const = default;
};

// What the status window shows for the model, worked out without any drawing: the body
// diagram with limb colours, the vitals, the experience figures and the two combatant lists,
// in the order they are drawn. The widget only turns the items into pixels, so every position
// and colour rule is here and tested without a screen.
class StatusPaintPlan {
public:
    struct Options {
        bool narrow = false;
        // Limbs coloured by armour class instead of damage.
        bool armourView = false;
        bool smallBars = true;
        // Party members listed above the attackers.
        bool partyFirst = false;
        // The holder's vertical scroll position in pixels.
        int scroll = 0;
    };

    // Reading a limb adds it to its table with 0, as the window always has: an empty damage
    // table gets an entry for every limb drawn.
    StatusPaintPlan(StatusModel& model, const Options& options);

    const std::vector<StatusPaintItem>& items() const { return items_; }

    // How tall the window's contents are, for the holder's scroll bar.
    static int contentHeight(const StatusModel& model, bool narrow);
    // "1 Attacker:", "3 Party Members:".
    static std::string combatantHeader(std::string_view singular, int count);
    // The height a list of this many combatants takes, 0 for none.
    static int combatantListHeight(int count, bool smallBars);
    // A picture's width or height in a layout: the narrow one shrinks it by a fifth.
    static int pictureSize(int size, bool narrow);

private:
    void addBody(StatusModel& model);
    void addVitals(const StatusModel& model);
    void addExperience(const StatusModel& model);
    void addCombatants(const StatusModel& model);
    int addCombatantList(const CombatantList& list, std::string_view singular, int x, int y);
    void addMeter(int x, int y, int width, int height, std::int64_t maximum, std::int64_t value,
                  bool showNumber);
    void addText(int x, int y, std::string text, Rgb colour, int room = 0);
    void addFill(int x, int y, int width, int height, Rgb colour);

    Options options_;
    std::vector<StatusPaintItem> items_;
};

} // namespace vesk
