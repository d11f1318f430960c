#include "wire/ControlWriter.h"

#include "protocol/ControlMarker.h"
#include "wire/TelnetWriter.h"

namespace vesk::sim {
namespace {

std::string numbers(std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : " ") + std::to_string(value);
    }
    return text;
}

} // namespace

void ControlWriter::send(std::string_view keyword, std::string_view arguments) {
    std::string line(controlMarker);
    line += ' ';
    line += keyword;
    if (!arguments.empty()) {
        line += ' ';
        line += arguments;
    }
    text.line(line);
}

std::string ControlWriter::quotedLimb(const LimbValue& entry) {
    return "'" + entry.limb + "' " + std::to_string(entry.value);
}

void ControlWriter::status(const Vitals& v) {
    send("STATUS", numbers({v.hp, v.hpMax, v.sp, v.spMax, v.mp, v.mpMax}));
}

void ControlWriter::limbs(const std::vector<LimbValue>& damage) {
    std::string arguments;
    for (const auto& entry : damage) {
        arguments += (arguments.empty() ? "" : " ") + quotedLimb(entry);
    }
    send("LIMBS", arguments);
}

void ControlWriter::limb(const LimbValue& damage) {
    send("LIMB", quotedLimb(damage));
}

void ControlWriter::armour(const LimbValue& armour) {
    send("AC", quotedLimb(armour));
}

void ControlWriter::experience(int xp, int xpNextLevel, int xpEarned) {
    send("XP", numbers({xp, xpNextLevel, xpEarned}));
}

void ControlWriter::combat(const std::vector<Combatant>& combatants) {
    std::string arguments;
    for (const auto& entry : combatants) {
        arguments += (arguments.empty() ? "@" : " @") + entry.name + "@ " +
                     numbers({entry.health, entry.partyMember ? 1 : 0});
    }
    send("COMBAT", arguments);
}

void ControlWriter::logon(const WhoEntry& entry) {
    send("LOGON", entry.name + " " + std::to_string(entry.level) + " " + entry.race + " " +
                      entry.className + " " + entry.rank);
}

void ControlWriter::challenge(ChallengePair pair) {
    send("MSG", numbers({pair.first, pair.second}));
}

void ControlWriter::skill(const SkillEntry& entry) {
    send("SKILL", entry.key + " " + numbers({entry.level, entry.percent}));
}

void ControlWriter::listing(std::string_view keyword, std::string_view first,
                            const std::vector<std::string>& names) {
    std::string arguments(first);
    for (const auto& name : names) {
        arguments += (arguments.empty() ? "" : " ") + name;
    }
    send(keyword, arguments);
}

} // namespace vesk::sim
