#pragma once

#include <string>

namespace vesk {

// What the receive path does with a login prompt the client answered: the prompt line is
// shown with lineSuffix appended ("Bob\n", or "[Censored]\n" instead of the password), and an
// answered prompt is neither logged nor treated as plain text.
struct PromptAnswer {
    bool answered = false;
    std::string lineSuffix;
    bool operator==(const PromptAnswer&) const = default;
};

} // namespace vesk
