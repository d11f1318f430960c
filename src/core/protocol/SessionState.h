#pragma once

namespace vesk {

// The two facts about the connection the parser consults: whether a connection is open, and
// whether the server has named the character (after which login prompts are left alone).
struct SessionState {
    bool connected = false;
    bool loggedIn = false;
};

} // namespace vesk
