#include "Snapshot.h"

#include "JsonWriter.h"

namespace vesk::replay {
namespace {

void writeLines(JsonWriter& json, const TextBuffer& buffer) {
    json.beginArray();
    for (int index = 0; index < buffer.LineCount(); ++index) {
        json.beginObject();
        json.key("text");
        json.string(buffer.line(index).text);
        json.key("handled");
        json.number(buffer.line(index).handled);
        json.endObject();
    }
    json.endArray();
}

void writeTable(JsonWriter& json, const NamedValueTable& table) {
    json.beginArray();
    for (const auto& entry : table.entries()) {
        json.beginArray();
        json.string(entry.name);
        json.number(entry.value);
        json.endArray();
    }
    json.endArray();
}

void writeCombatants(JsonWriter& json, const CombatantList& list) {
    json.beginArray();
    for (const auto& fighter : list.entries()) {
        json.beginArray();
        json.string(fighter.name);
        json.string(fighter.health);
        json.endArray();
    }
    json.endArray();
}

void writeStatus(JsonWriter& json, const StatusModel& status) {
    json.beginObject();
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"hp", status.hp},
        {"hpMax", status.hpMax},
        {"sp", status.sp},
        {"spMax", status.spMax},
        {"mp", status.mp},
        {"mpMax", status.mpMax},
        {"xp", status.xp},
        {"xpNextLevel", status.xpNextLevel},
        {"xpEarned", status.xpEarned},
    };
    for (const auto& [name, value] : numbers) {
        json.key(name);
        json.number(value);
    }
    json.key("limbDamage");
    writeTable(json, status.limbDamage);
    json.key("limbArmour");
    writeTable(json, status.limbArmour);
    json.key("attackers");
    writeCombatants(json, status.attackers);
    json.key("partyMembers");
    writeCombatants(json, status.partyMembers);
    json.key("characterName");
    json.string(status.characterName());
    json.endObject();
}

} // namespace

std::string snapshotJson(Client& client, const ReplayHost& host) {
    JsonWriter json;
    json.beginObject();
    json.key("lines");
    writeLines(json, client.mainBuffer());
    json.key("sent");
    json.beginArray();
    for (const auto& payload : host.sent) {
        json.string(payload);
    }
    json.endArray();
    json.key("status");
    writeStatus(json, client.status());
    json.key("loggedIn");
    json.boolean(client.connection().session().loggedIn);
    json.key("captureMode");
    json.number(static_cast<int>(client.parser().captureMode()));
    json.endObject();
    return json.text();
}

} // namespace vesk::replay
