#pragma once

namespace vesk {

// The facts about the connection the parser consults: whether a connection is open, whether
// the server has named the character (after which login prompts are left alone), and whether
// this connection has already asked for the control channel. A login shows several
// login-state lines ("Allowing login." and the terminal line); asking at each would make the
// server send its news and prompts once per request.
struct SessionState {
    bool connected = false;
    bool loggedIn = false;
    bool loginStartSent = false;
};

} // namespace vesk
