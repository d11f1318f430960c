#pragma once

#include "status/NamedValueTable.h"
#include "status/SkillLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Host;
class LineSender;

// What the skills window knows: the class the server announced and, per skill key, the level and
// the progress towards the next level. The control-message parser writes it; the window reads the
// rows of the class's layout as text.
class SkillsModel {
public:
    static constexpr std::size_t classNameLimit = 31;
    // Numbers of a skill message are read from at most this many leading characters.
    static constexpr std::size_t numberTokenLimit = 3;
    static constexpr std::string_view skillsRequest = "vesk skills";
    // A class has tens of skills; keys beyond this many are ignored.
    static constexpr std::size_t skillLimit = 256;

    explicit SkillsModel(Host& host);

    // The class decides the layout; it is stored without a repaint, since the skill lines that
    // follow it repaint anyway. A longer name is cut to the field's 31 characters.
    void setClass(std::string_view name);
    // The level and percent tokens as received; each is cut to its first three characters before
    // conversion, so a level of 1234 is stored as 123.
    void setSkill(std::string_view key, std::string_view levelToken, std::string_view percentToken);
    // Asks the server for the whole listing.
    void requestListing(LineSender& sender) const;

    struct RowText {
        std::string displayName;
        std::string level;   // "%3d "
        std::string percent; // "(%3d%)" or "(MAX!)"
        bool operator==(const RowText&) const = default;
    };
    struct ColumnText {
        std::string caption;
        std::vector<RowText> rows;
        bool operator==(const ColumnText&) const = default;
    };
    // The current layout as the window draws it. Reading a skill never received adds it to both
    // tables with 0, as the window always has.
    std::vector<ColumnText> columnsText();

    const std::string& className() const { return className_; }
    const SkillLayout& layout() const { return skillLayoutFor(className_); }
    const NamedValueTable& levels() const { return skillLevel_; }
    const NamedValueTable& percents() const { return skillPercent_; }

private:
    RowText rowText(const SkillRow& row);

    Host& host_;
    NamedValueTable skillLevel_{skillLimit};
    NamedValueTable skillPercent_{skillLimit};
    std::string className_;
};

} // namespace vesk
