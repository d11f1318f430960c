#include "status/StatusModel.h"

#include "common/DecimalText.h"

#include <algorithm>
#include <cctype>

namespace vesk {
namespace {

// Assigns values to fields in order; fields without a value keep what they had.
void assignInOrder(const std::vector<std::int32_t>& values,
                   std::initializer_list<std::int32_t*> fields) {
    std::size_t index = 0;
    for (std::int32_t* field : fields) {
        if (index >= values.size()) {
            return;
        }
        *field = values[index++];
    }
}

} // namespace

StatusModel::StatusModel(std::function<void()> repaint) : repaint_(std::move(repaint)) {}

void StatusModel::requestRepaint() {
    if (repaint_) {
        repaint_();
    }
}

void StatusModel::applyStatus(const std::vector<std::int32_t>& values) {
    assignInOrder(values, {&hp, &hpMax, &sp, &spMax, &mp, &mpMax});
}

void StatusModel::applyXp(const std::vector<std::int32_t>& values) {
    assignInOrder(values, {&xp, &xpNextLevel, &xpEarned});
    requestRepaint();
}

void StatusModel::setLimbDamage(std::string_view name, std::int32_t value) {
    limbDamage.slot(name) = value;
}

void StatusModel::setLimbArmour(std::string_view name, std::int32_t value) {
    limbArmour.slot(name) = value;
    requestRepaint();
}

void StatusModel::defineLimbs(const std::vector<NamedValueTable::Entry>& pairs) {
    for (const auto& pair : pairs) {
        limbDamage.slot(pair.name) = pair.value;
        limbArmour.slot(pair.name) = 0;
    }
}

// Entries are "@name words@ health [flag]"; an odd flag puts the fighter in the party, an even
// or missing one among the attackers. An entry cut short by the end of the line is dropped.
void StatusModel::setCombat(const std::vector<std::string_view>& tokens) {
    attackers.clear();
    partyMembers.clear();
    std::size_t next = 0;
    while (next < tokens.size()) {
        std::string_view token = tokens[next++];
        if (token.empty() || token.front() != '@') {
            continue;
        }
        std::string name(token.substr(1));
        while (token.empty() || token.back() != '@') {
            if (next >= tokens.size()) {
                requestRepaint();
                return;
            }
            token = tokens[next++];
            name += ' ';
            name += token;
        }
        if (!name.empty()) {
            name.pop_back();
        }
        if (next >= tokens.size()) {
            break;
        }
        std::string health(tokens[next++]);
        if (!name.empty()) {
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        }
        if (next >= tokens.size()) {
            attackers.append(std::move(name), std::move(health));
            break;
        }
        const bool inParty = (decimalValue(tokens[next++]) % 2) != 0;
        (inParty ? partyMembers : attackers).append(std::move(name), std::move(health));
    }
    requestRepaint();
}

void StatusModel::leaveCombat() {
    attackers.clear();
    partyMembers.clear();
    requestRepaint();
}

void StatusModel::redraw() {
    requestRepaint();
}

void StatusModel::setCharacterName(std::string_view name) {
    characterName_.assign(name.substr(0, characterNameLimit));
    limbDamage.clear();
}

void StatusModel::setPromptVitals(std::int32_t newHp, std::int32_t newSp, std::int32_t newMp) {
    hp = newHp;
    sp = newSp;
    mp = newMp;
    requestRepaint();
}

void StatusModel::setFullVitals(const std::vector<std::int32_t>& values) {
    assignInOrder(values, {&hp, &hpMax, &sp, &spMax, &mp, &mpMax});
    requestRepaint();
}

void StatusModel::setPromptLimb(std::int32_t newHp, std::int32_t newSp, std::int32_t newMp,
                                std::string_view words) {
    hp = newHp;
    sp = newSp;
    mp = newMp;
    const std::size_t colon = words.find(':');
    if (colon != std::string_view::npos) {
        limbDamage.slot(words.substr(0, colon)) = decimalValue(words.substr(colon + 1));
    }
    requestRepaint();
}

void StatusModel::addExperience(std::int32_t amount) {
    xp = static_cast<std::int32_t>(static_cast<std::uint32_t>(xp) +
                                   static_cast<std::uint32_t>(amount));
    xpEarned = static_cast<std::int32_t>(static_cast<std::uint32_t>(xpEarned) +
                                         static_cast<std::uint32_t>(amount));
    requestRepaint();
}

} // namespace vesk
