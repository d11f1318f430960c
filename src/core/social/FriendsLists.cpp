#include "social/FriendsLists.h"

#include "common/KeywordTokenizer.h"
#include "common/TextFields.h"

namespace vesk {
namespace {

// The first word of what the player typed, cut to a name's width; empty when none.
std::string firstWord(std::string_view entry) {
    KeywordTokenizer tokenizer;
    return cutToWidth(tokenizer.startLine(entry).value_or(""), nameWidth);
}

} // namespace

bool FriendsLists::addList(std::string_view entry) {
    std::string name = firstWord(entry);
    if (name.empty()) {
        return false;
    }
    lists_.push_back({std::move(name), {}});
    return true;
}

bool FriendsLists::renameList(std::size_t list, std::string_view entry) {
    std::string name = firstWord(entry);
    if (name.empty() || list >= lists_.size()) {
        return false;
    }
    lists_[list].name = std::move(name);
    return true;
}

bool FriendsLists::removeList(std::size_t list) {
    if (list >= lists_.size()) {
        return false;
    }
    lists_.erase(lists_.begin() + static_cast<std::ptrdiff_t>(list));
    return true;
}

bool FriendsLists::addMember(std::size_t list, std::string_view entry) {
    std::string member = firstWord(entry);
    if (member.empty() || list >= lists_.size()) {
        return false;
    }
    lists_[list].members.push_back(std::move(member));
    return true;
}

bool FriendsLists::replaceMember(std::size_t list, std::size_t member, std::string_view entry) {
    std::string name = firstWord(entry);
    if (name.empty() || list >= lists_.size() || member >= lists_[list].members.size()) {
        return false;
    }
    lists_[list].members[member] = std::move(name);
    return true;
}

bool FriendsLists::removeMember(std::size_t list, std::size_t member) {
    if (list >= lists_.size() || member >= lists_[list].members.size()) {
        return false;
    }
    auto& members = lists_[list].members;
    members.erase(members.begin() + static_cast<std::ptrdiff_t>(member));
    return true;
}

void FriendsLists::readListLine(const std::string& listName, KeywordTokenizer& tokenizer) {
    FriendsList list{cutToWidth(listName, nameWidth), {}};
    while (const auto member = tokenizer.NextToken()) {
        list.members.push_back(cutToWidth(*member, nameWidth));
    }
    lists_.push_back(std::move(list));
}

void FriendsLists::writeListLines(std::string& text) const {
    for (const auto& list : lists_) {
        text += list.name + " ";
        for (const auto& member : list.members) {
            text += member + " ";
        }
        text += "\n";
    }
}

} // namespace vesk
