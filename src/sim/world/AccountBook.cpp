#include "world/AccountBook.h"

#include "base/TextWords.h"

namespace vesk::sim {

AccountBook::AccountBook()
    : demo{
          {"Tamsin", "tamsin", false, "human", "rogue", 12, false},
          {"Quill", "quill", true, "sylph", "mage", 30, false},
          {"Brannoc", "brannoc", false, "dwarf", "cleric", 18, false},
      } {}

const Account* AccountBook::find(std::string_view name) const {
    for (const auto& account : demo) {
        if (sameName(account.name, name)) {
            return &account;
        }
    }
    for (const auto& account : guests) {
        if (sameName(account.name, name)) {
            return &account;
        }
    }
    return nullptr;
}

const Account& AccountBook::addGuest(std::string_view name, std::string_view password) {
    guests.push_back(
        {capitalisedName(name), std::string(password), false, "human", "fighter", 1, true});
    return guests.back();
}

} // namespace vesk::sim
