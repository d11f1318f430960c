#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

struct Account {
    std::string name;
    std::string password;
    bool coder = false;
    std::string race;
    std::string className; // selects the skills layout the client shows
    int level = 1;
    bool guest = false;
    auto operator<=>(const Account&) const = default;
};

// The characters the simulator knows: a few built-in demo characters, and every guest that
// picked a new name during this run (a guest's first password is kept, so a reconnect checks it).
class AccountBook {
public:
    AccountBook();

    const Account* find(std::string_view name) const;
    const Account& addGuest(std::string_view name, std::string_view password);
    const std::vector<Account>& demoCharacters() const { return demo; }

private:
    std::vector<Account> demo;
    std::deque<Account> guests; // a deque: logins in progress keep pointers into it
};

} // namespace vesk::sim
