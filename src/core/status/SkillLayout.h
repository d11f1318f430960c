#pragma once

#include <span>
#include <string_view>

namespace vesk {

// The fixed pictures of the skills window: each class shows its own columns of skills, and every
// other class (an empty one too) the general picture. Display names and keys are exactly those
// the server's skill messages use, spelling differences between classes included.
struct SkillRow {
    std::string_view displayName;
    std::string_view key;
};

struct SkillColumn {
    std::string_view caption;
    std::span<const SkillRow> rows;
};

struct SkillLayout {
    // The class that selects this layout; empty for the layout every other class gets.
    std::string_view className;
    std::span<const SkillColumn> columns;
};

// The layout for a class name, compared exactly and case-sensitively.
const SkillLayout& skillLayoutFor(std::string_view className);

} // namespace vesk
