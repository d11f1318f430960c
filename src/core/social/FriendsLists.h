#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class KeywordTokenizer;

// One named list of friends' character names. Names are one word of at most 31 characters.
struct FriendsList {
    std::string name;
    std::vector<std::string> members;
    auto operator<=>(const FriendsList&) const = default;
};

// The player's friends lists in file order, as the "Friends Lists" dialog edits them and the
// "Friends" section of "Preferences.DAT" stores them (one line per list: its name, then its
// members). Every name entered is reduced to its first word; an entry without any word
// changes nothing, so no list or member ever has an empty name.
class FriendsLists {
public:
    const std::vector<FriendsList>& lists() const { return lists_; }
    std::size_t size() const { return lists_.size(); }
    const FriendsList& operator[](std::size_t index) const { return lists_[index]; }

    // Each returns false and changes nothing for an entry without a word or a bad index.
    bool addList(std::string_view entry);
    bool renameList(std::size_t list, std::string_view entry);
    bool removeList(std::size_t list);
    bool addMember(std::size_t list, std::string_view entry);
    bool replaceMember(std::size_t list, std::size_t member, std::string_view entry);
    bool removeMember(std::size_t list, std::size_t member);

    // A list line of the "Friends" section, its first token already taken as the list name.
    void readListLine(const std::string& listName, KeywordTokenizer& tokenizer);
    void writeListLines(std::string& text) const;

    void clear() { lists_.clear(); }
    bool operator==(const FriendsLists&) const = default;

private:
    std::vector<FriendsList> lists_;
};

} // namespace vesk
