#include "input/CharacterProfileList.h"

#include "common/FileText.h"
#include "common/KeywordTokenizer.h"
#include "common/LineReader.h"
#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"

namespace vesk {
namespace {

constexpr std::size_t listLineLimit = 254;

} // namespace

CharacterProfileList::CharacterProfileList() {
    appendNew("Default");
}

CharacterProfile CharacterProfileList::defaultProfile() {
    CharacterProfile profile;
    profile.setName("Default");
    profile.macros = MacroTable::withDefaultMacros();
    return profile;
}

bool CharacterProfileList::Load(const std::filesystem::path& path, Reporting& reporting) {
    const auto text = readFileText(path);
    if (!text) {
        return false;
    }
    loadFromText(*text, path.filename().string(), reporting);
    return true;
}

void CharacterProfileList::loadFromText(std::string_view text, std::string_view fileLabel,
                                        Reporting& reporting) {
    profiles_.clear();
    LineReader reader(text);
    KeywordTokenizer tokenizer;
    while (auto line = reader.readLine(listLineLimit)) {
        const auto keyword = tokenizer.FirstToken(*line);
        if (!keyword) {
            continue;
        }
        if (equalsIgnoringCase(*keyword, "End")) {
            break;
        }
        if (equalsIgnoringCase(*keyword, "NewProfile")) {
            profiles_[static_cast<std::size_t>(appendNew())].Load(reader, reporting);
        } else {
            reporting.debugTrace(formatText("CCharacterProfileList::Load(%s): Unknown token '%s'\n",
                                            std::string(fileLabel).c_str(), keyword->c_str()));
        }
    }
    if (profiles_.empty()) {
        profiles_.push_back(defaultProfile());
    }
}

bool CharacterProfileList::Save(const std::filesystem::path& path, Reporting& reporting) const {
    if (replaceFileText(path, savedText())) {
        return true;
    }
    reporting.warningBox(formatText("Error writing to '%s'", path.filename().string().c_str()));
    return false;
}

std::string CharacterProfileList::savedText() const {
    std::string text;
    for (const auto& profile : profiles_) {
        text += "NewProfile\n";
        profile.Save(text);
    }
    return text;
}

int CharacterProfileList::appendNew(std::string_view name) {
    CharacterProfile& profile = profiles_.emplace_back();
    profile.setName(name);
    return static_cast<int>(profiles_.size() - 1);
}

int CharacterProfileList::appendWithDefaultMacros(std::string_view name) {
    const int index = appendNew(name);
    profiles_.back().macros = MacroTable::withDefaultMacros();
    return index;
}

bool CharacterProfileList::removeAt(int index) {
    if (index <= 0 || index >= static_cast<int>(profiles_.size())) {
        return false;
    }
    profiles_.erase(profiles_.begin() + index);
    return true;
}

int CharacterProfileList::findByName(std::string_view name) const {
    for (std::size_t index = 0; index < profiles_.size(); ++index) {
        if (equalsIgnoringCase(profiles_[index].name(), name)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

const CharacterProfile& CharacterProfileList::atOrDefault(int index) const {
    if (index < 0 || index >= static_cast<int>(profiles_.size())) {
        return profiles_.front();
    }
    return profiles_[static_cast<std::size_t>(index)];
}

CharacterProfile& CharacterProfileList::atOrDefault(int index) {
    const auto& self = *this;
    return const_cast<CharacterProfile&>(self.atOrDefault(index));
}

} // namespace vesk
