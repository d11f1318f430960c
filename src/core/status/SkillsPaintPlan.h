#pragma once

#include "common/Rgb.h"
#include "status/SkillsModel.h"
#include "status/StatusPaintPlan.h"

#include <functional>
#include <string_view>
#include <vector>

namespace vesk {

// Where the skills window puts its texts: columns side by side from the left, each a green
// caption over rows of "name: level (percent)", the values lined up after the column's widest
// name. Text widths come from the window's font, so the widget hands in a measure.
class SkillsPaintPlan {
public:
    using TextWidth = std::function<int(std::string_view)>;

    static constexpr int margin = 10;
    static constexpr int columnGap = 10;
    static constexpr Rgb captionColour{0, 255, 0};
    static constexpr Rgb levelColour{255, 0, 0};
    static constexpr Rgb percentColour{0, 255, 0};

    // textColour is the colour setting the player chose for ordinary (white) text.
    SkillsPaintPlan(const std::vector<SkillsModel::ColumnText>& columns, int lineHeight,
                    Rgb textColour, const TextWidth& width);

    // Text items only, in drawing order.
    const std::vector<StatusPaintItem>& items() const { return items_; }
    // The rightmost pixel any row reaches: the width the window needs.
    int right() const { return right_; }

private:
    int addColumn(const SkillsModel::ColumnText& column, int left);
    int addText(int x, int y, std::string_view text, Rgb colour);

    int lineHeight_;
    Rgb textColour_;
    const TextWidth& width_;
    std::vector<StatusPaintItem> items_;
    int right_ = margin;
};

} // namespace vesk
