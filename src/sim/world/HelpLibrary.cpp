#include "world/HelpLibrary.h"

#include "base/TextWords.h"

namespace vesk::sim {

HelpLibrary::HelpLibrary()
    : categories{
          {"*player general", {"rules", "newbie", "death", "channels", "races"}},
          {"*player commands", {"look", "say", "tell", "shout", "kill", "score", "prompt", "who"}},
          {"*abilities", {"stealth", "conjuring", "faith", "melee"}},
          {"*high mortal general", {"houses", "titles"}},
          {"*high mortal commands", {"summon", "banish"}},
      } {}

std::optional<std::vector<std::string>> HelpLibrary::topics(std::string_view categoryKey) const {
    for (const auto& category : categories) {
        if (category.key == categoryKey) {
            return category.topics;
        }
    }
    return std::nullopt;
}

std::vector<std::string> HelpLibrary::page(std::string_view topic) const {
    const std::string name = lowerCase(topic);
    for (const auto& category : categories) {
        for (const auto& known : category.topics) {
            if (known != name) {
                continue;
            }
            return {
                "Help for: " + name + "   (" + category.key.substr(1) + ")",
                "",
                "This page explains '" + name +
                    "'. FenmarchMUD help pages are written for wide screens, so this paragraph "
                    "runs on well past eighty columns before it finally ends with a full stop.",
                "Short lines stay as they are.",
                "ThisIsOneVeryLongWordWithoutAnyBlanksThatRunsOnPastTheEightiethColumnOfThePage"
                "AndKeepsGoing",
                "",
                "See also: help, " + category.topics.front() + ".",
            };
        }
    }
    return {"There is no help on '" + name + "'.", "Try 'help' for a list of commands."};
}

} // namespace vesk::sim
