#include "display/OutputMenuModel.h"

#include "display/TextSelection.h"

namespace vesk {
namespace {

using Action = OutputMenuItem::Action;

std::string quoted(std::string_view before, const std::string& word, std::string_view after = {}) {
    return std::string(before) + "'" + word + std::string(after) + "'";
}

// A coder reads a file with "more" (the source with its ".c") and edits it with "oed".
void addCoderItems(std::vector<OutputMenuItem>& items, const std::string& word) {
    items.push_back({Action::SendCommand, quoted("MORE ", word), "more " + word});
    items.push_back({Action::SendCommand, quoted("*MORE ", word, ".c"), "more " + word + ".c"});
    items.push_back({Action::SendCommand, quoted("OED ", word), "oed " + word});
}

} // namespace

std::vector<OutputMenuItem> outputMenuItems(const std::optional<std::string>& examineWord,
                                            const std::optional<std::string>& linkWord,
                                            bool codingAccess) {
    std::vector<OutputMenuItem> items;
    if (examineWord) {
        items.push_back(
            {Action::SendCommand, quoted("Examine ", *examineWord), "exa " + *examineWord});
    }
    if (linkWord) {
        items.push_back(
            {Action::OpenAddress, quoted("Goto URL ", *linkWord), linkAddress(*linkWord)});
    }
    if (codingAccess) {
        items.push_back({Action::Separator, {}, {}});
        if (linkWord) {
            addCoderItems(items, *linkWord);
        }
    }
    if (examineWord || linkWord) {
        items.push_back({Action::Separator, {}, {}});
    }
    items.push_back({Action::CopyBuffer, "Copy entire buffer", {}});
    items.push_back({Action::Clear, "Clear", {}});
    return items;
}

} // namespace vesk
