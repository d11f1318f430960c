#include "profiles/CharacterProfileList.h"

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

FileRead CharacterProfileList::Load(const std::filesystem::path& path, Reporting& reporting) {
    ReadableFile file(path);
    if (!file.isOpen()) {
        return file.state();
    }
    LineReader reader(file.descriptor());
    return loadFrom(reader, path.filename().string(), reporting) ? FileRead::Intact
                                                                 : FileRead::NotAsItStands;
}

bool CharacterProfileList::loadFromText(std::string_view text, std::string_view fileLabel,
                                        Reporting& reporting) {
    LineReader reader(text);
    return loadFrom(reader, fileLabel, reporting);
}

bool CharacterProfileList::loadFrom(LineReader& reader, std::string_view fileLabel,
                                    Reporting& reporting) {
    profiles_.clear();
    KeywordTokenizer tokenizer;
    bool intact = true;
    bool ended = false;
    while (auto line = reader.readLine(listLineLimit)) {
        const auto keyword = tokenizer.FirstToken(*line);
        if (!keyword) {
            continue;
        }
        // Whatever follows the list's closing "End" is never read, so a save would drop it.
        if (ended) {
            intact = false;
            break;
        }
        if (equalsIgnoringCase(*keyword, "End")) {
            ended = true;
        } else if (equalsIgnoringCase(*keyword, "NewProfile")) {
            const auto index = static_cast<std::size_t>(appendNew());
            intact = profiles_[index].Load(reader, reporting) && intact;
        } else {
            intact = false;
            reporting.debugTrace(formatText("CCharacterProfileList::Load(%s): Unknown token '%s'\n",
                                            std::string(fileLabel).c_str(), keyword->c_str()));
        }
    }
    if (profiles_.empty()) {
        // A file that named no profile at all was not understood, unless it was empty or held
        // only blanks and comments.
        intact = intact && !ended;
        profiles_.push_back(defaultProfile());
    }
    return intact;
}

bool CharacterProfileList::Save(const std::filesystem::path& path) const {
    return replaceFileText(path, savedText());
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
        if (sameName(profiles_[index].name(), name)) {
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
