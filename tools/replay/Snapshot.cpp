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

void writeStrings(JsonWriter& json, const std::vector<std::string>& texts) {
    json.beginArray();
    for (const auto& text : texts) {
        json.string(text);
    }
    json.endArray();
}

void writeSettingsState(JsonWriter& json, Client& client) {
    Preferences& preferences = client.preferences();
    json.key("activeProfile");
    json.number(preferences.activeProfile);
    json.key("profiles");
    json.beginArray();
    for (const auto& profile : preferences.profiles.profiles()) {
        json.string(profile.name());
    }
    json.endArray();
    json.key("currentCharacter");
    const int slot = preferences.characters.current();
    json.string(slot >= 0 && preferences.characters.isUsed(slot) ? preferences.characters[slot].name
                                                                 : "");
    json.key("who");
    json.beginArray();
    for (const auto& entry : client.whoList().entries()) {
        json.beginObject();
        json.key("name");
        json.string(entry.name);
        json.key("level");
        json.number(entry.level);
        json.key("word3");
        json.string(entry.race);
        json.key("word4");
        json.string(entry.characterClass);
        json.key("word5");
        json.string(entry.rank);
        json.endObject();
    }
    json.endArray();
}

void writeSkills(JsonWriter& json, SkillsModel& skills) {
    json.beginObject();
    json.key("className");
    json.string(skills.className());
    json.key("levels");
    writeTable(json, skills.levels());
    json.key("percents");
    writeTable(json, skills.percents());
    json.endObject();
}

void writeRemote(JsonWriter& json, Client& client) {
    json.key("help");
    json.beginObject();
    json.key("topics");
    writeStrings(json, client.helpBrowser().topics());
    json.key("status");
    json.string(client.helpBrowser().status());
    json.endObject();
    json.key("browser");
    json.beginObject();
    json.key("directories");
    json.beginArray();
    for (const auto& directory : client.fileBrowser().directories()) {
        json.string(directory.path);
    }
    json.endArray();
    json.key("files");
    json.beginArray();
    for (const auto& file : client.fileBrowser().files()) {
        json.string(file.name);
    }
    json.endArray();
    json.key("status");
    json.string(client.fileBrowser().status());
    json.endObject();
    json.key("transfer");
    json.beginObject();
    json.key("titleSuffix");
    json.string(client.transfer().titleSuffix());
    json.key("sentLines");
    json.number(client.transfer().sentLines());
    json.endObject();
    json.key("news");
    json.string(client.news().text());
}

void writeHostRecords(JsonWriter& json, const ReplayHost& host) {
    json.key("played");
    writeStrings(json, host.played);
    json.key("started");
    json.beginArray();
    for (const auto& process : host.started) {
        json.beginObject();
        json.key("program");
        json.string(process.program);
        json.key("arguments");
        writeStrings(json, process.arguments);
        json.endObject();
    }
    json.endArray();
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
    writeSettingsState(json, client);
    json.key("chat");
    writeLines(json, client.chatBuffer());
    json.key("history");
    writeStrings(json, client.commandSender().history().entries());
    json.key("skills");
    writeSkills(json, client.skills());
    writeRemote(json, client);
    writeHostRecords(json, host);
    json.endObject();
    return json.text();
}

} // namespace vesk::replay
