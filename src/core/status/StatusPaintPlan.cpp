#include "status/StatusPaintPlan.h"

#include "status/StatusColours.h"
#include "status/StatusModel.h"

namespace vesk {
namespace {

// The limbs in the order they are drawn; the wings follow only for a winged character.
constexpr BodyPart bodyOrder[] = {
    BodyPart::Torso,     BodyPart::LeftArm,  BodyPart::LeftHand, BodyPart::RightArm,
    BodyPart::RightHand, BodyPart::Head,     BodyPart::RightLeg, BodyPart::RightFoot,
    BodyPart::LeftLeg,   BodyPart::LeftFoot,
};

constexpr int meterHeight = 15;
constexpr int wideContentHeight = 355;
constexpr int narrowContentHeight = 305;

} // namespace

StatusPaintPlan::StatusPaintPlan(StatusModel& model, const Options& options) : options_(options) {
    items_.reserve(64);
    addBody(model);
    addVitals(model);
    addExperience(model);
    addCombatants(model);
}

int StatusPaintPlan::pictureSize(int size, bool narrow) {
    return narrow ? static_cast<int>(size / 1.25) : size;
}

void StatusPaintPlan::addBody(StatusModel& model) {
    const int x = options_.narrow ? 5 : 20;
    const int y = 5 - options_.scroll;
    NamedValueTable& table = options_.armourView ? model.limbArmour : model.limbDamage;
    auto colourOf = [&](BodyPart part) {
        const std::int32_t value = table.get(limbName(part));
        return options_.armourView ? statuscolour::limbArmour(value)
                                   : statuscolour::limbDamage(value);
    };
    auto addLimb = [&](BodyPart part, int left) {
        StatusPaintItem item;
        item.kind = StatusPaintItem::Kind::Limb;
        item.x = left;
        item.y = y;
        item.part = part;
        item.colour = colourOf(part);
        items_.push_back(std::move(item));
    };
    for (BodyPart part : bodyOrder) {
        addLimb(part, x);
    }
    // Wings belong to the characters whose damage table names a left wing, in either view.
    if (model.limbDamage.find(limbName(BodyPart::LeftWing)) == -1) {
        return;
    }
    addLimb(BodyPart::LeftWing, options_.narrow ? x - 15 : x - 19);
    addLimb(BodyPart::RightWing, options_.narrow ? x + 37 : x + 47);
}

void StatusPaintPlan::addVitals(const StatusModel& model) {
    const std::int32_t maxima[] = {model.hpMax, model.mpMax, model.spMax};
    const std::int32_t values[] = {model.hp, model.mp, model.sp};
    if (options_.narrow) {
        addText(2, 150 - options_.scroll, "HP/MP/SP", statuscolour::white);
        for (int row = 0; row < 3; ++row) {
            addMeter(2, 165 - options_.scroll + 15 * row, 0, meterHeight, maxima[row], values[row],
                     true);
        }
        return;
    }
    const char* labels[] = {"HP:", "MP:", "SP:"};
    for (int row = 0; row < 3; ++row) {
        const int y = 190 - options_.scroll + 25 * row;
        addText(5, y, labels[row], statuscolour::white);
        addMeter(35, y, 50, meterHeight, maxima[row], values[row], true);
    }
}

void StatusPaintPlan::addExperience(const StatusModel& model) {
    // "Needed" is worked out in 64 bits so that extreme values show their true difference.
    const std::string values[] = {
        std::to_string(model.xp),
        std::to_string(std::int64_t{model.xpNextLevel} - model.xp),
        std::to_string(model.xpEarned),
    };
    if (options_.narrow) {
        const int y = 215 - options_.scroll;
        addText(2, y + 5, "XP/ND'D/", statuscolour::white);
        addText(2, y + 20, "EARNED", statuscolour::white);
        for (int row = 0; row < 3; ++row) {
            addText(2, y + 35 + 15 * row, values[row], statuscolour::red);
        }
        return;
    }
    const int y = 270 - options_.scroll;
    const char* labels[] = {"XP:", "Needed:", "Earned:"};
    for (int row = 0; row < 3; ++row) {
        addText(5, y + 20 * row, labels[row], statuscolour::white);
        addText(60, y + 20 * row, values[row], statuscolour::red);
    }
}

void StatusPaintPlan::addCombatants(const StatusModel& model) {
    int y = (options_.narrow ? 305 : 340) - options_.scroll;
    if (options_.partyFirst) {
        y += addCombatantList(model.partyMembers, "Party Member", 5, y);
        addCombatantList(model.attackers, "Attacker", 5, y);
        return;
    }
    y += addCombatantList(model.attackers, "Attacker", 5, y);
    addCombatantList(model.partyMembers, "Party Member", 5, y);
}

int StatusPaintPlan::addCombatantList(const CombatantList& list, std::string_view singular, int x,
                                      int y) {
    const int count = list.size();
    if (count == 0) {
        return 0;
    }
    addText(x, y, combatantHeader(singular, count), statuscolour::white);
    const int barWidth = options_.narrow ? 67 : 135;
    const int rowHeight = options_.smallBars ? 20 : 40;
    for (int index = 0; index < count; ++index) {
        const int nameY = y + 25 + rowHeight * index;
        // A small bar shares the name's line, so the name gets the room up to a pixel before it.
        const int room = options_.smallBars ? barWidth / 2 - 1 : 0;
        addText(x, nameY, list.entries()[static_cast<std::size_t>(index)].name, statuscolour::red,
                room);
        // Health comes in tenths of full health.
        const std::int64_t health = std::int64_t{list.healthTenths(index)} * 10;
        if (options_.smallBars) {
            addMeter(x + barWidth / 2, nameY, barWidth / 2, meterHeight, 100, health, false);
        } else {
            addMeter(x, nameY + 20, barWidth, meterHeight, 100, health, false);
        }
    }
    return combatantListHeight(count, options_.smallBars);
}

// A meter from 0 to the maximum: the filled part in the ratio colour, then after a one-pixel gap
// the unfilled rest in grey, and the number in the ratio colour to the right.
void StatusPaintPlan::addMeter(int x, int y, int width, int height, std::int64_t maximum,
                               std::int64_t value, bool showNumber) {
    const double ratio = statuscolour::meterRatio(0, maximum, value);
    const Rgb colour = statuscolour::meter(ratio);
    const int filled = static_cast<int>(width * ratio);
    if (filled > 0) {
        addFill(x, y, filled, height, colour);
    }
    if (showNumber) {
        addText(x + width + 5, y, std::to_string(value), colour);
    }
    if (filled < width) {
        addFill(x + filled + 1, y, width - filled - 1, height, statuscolour::remainder);
    }
}

void StatusPaintPlan::addText(int x, int y, std::string text, Rgb colour, int room) {
    StatusPaintItem item;
    item.kind = StatusPaintItem::Kind::Text;
    item.x = x;
    item.y = y;
    item.width = room;
    item.colour = colour;
    item.text = std::move(text);
    items_.push_back(std::move(item));
}

void StatusPaintPlan::addFill(int x, int y, int width, int height, Rgb colour) {
    if (width <= 0 || height <= 0) {
        return;
    }
    StatusPaintItem item;
    item.kind = StatusPaintItem::Kind::Fill;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.colour = colour;
    items_.push_back(std::move(item));
}

std::string StatusPaintPlan::combatantHeader(std::string_view singular, int count) {
    std::string header = std::to_string(count) + " ";
    header.append(singular);
    if (count > 1) {
        header += 's';
    }
    return header + ':';
}

int StatusPaintPlan::combatantListHeight(int count, bool smallBars) {
    if (count <= 0) {
        return 0;
    }
    return 25 + (smallBars ? 20 : 40) * count + 10;
}

int StatusPaintPlan::contentHeight(const StatusModel& model, bool narrow) {
    int height = narrow ? narrowContentHeight : wideContentHeight;
    if (model.attackers.size() > 0) {
        height += 40 * model.attackers.size() + 45;
    }
    if (model.partyMembers.size() > 0) {
        height += 40 * model.partyMembers.size() + 25;
    }
    return height;
}

} // namespace vesk
