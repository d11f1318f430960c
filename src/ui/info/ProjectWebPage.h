#pragma once

namespace vesk {

// The project's own web page, opened from the About box and the news window. One place, so
// the address changes in one line when the project moves.
inline constexpr char projectWebPage[] = "https://fenmarch.example/vesk";

} // namespace vesk
