#include "status/SkillsPaintPlan.h"

#include <algorithm>

namespace vesk {

SkillsPaintPlan::SkillsPaintPlan(const std::vector<SkillsModel::ColumnText>& columns,
                                 int lineHeight, Rgb textColour, const TextWidth& width)
    : lineHeight_(lineHeight), textColour_(textColour), width_(width) {
    int left = margin;
    for (const SkillsModel::ColumnText& column : columns) {
        const int columnRight = addColumn(column, left);
        right_ = std::max(right_, columnRight);
        left = columnRight + columnGap;
    }
}

// Returns the column's right edge: the furthest any of its rows reaches. A caption wider than
// its rows counts too, so that it never runs into the next column's caption.
int SkillsPaintPlan::addColumn(const SkillsModel::ColumnText& column, int left) {
    const int captionRight = addText(left, margin, column.caption, captionColour);
    int widestName = 0;
    for (const SkillsModel::RowText& row : column.rows) {
        widestName = std::max(widestName, width_(row.displayName));
    }
    const int valueX = left + widestName + 5;
    int right = captionRight;
    int y = 2 * lineHeight_ + margin;
    for (const SkillsModel::RowText& row : column.rows) {
        addText(left, y, row.displayName, textColour_);
        int x = addText(valueX, y, ": ", textColour_);
        x = addText(x, y, row.level, levelColour);
        right = std::max(right, addText(x, y, row.percent, percentColour));
        y += lineHeight_;
    }
    return right;
}

// Returns where the text ends.
int SkillsPaintPlan::addText(int x, int y, std::string_view text, Rgb colour) {
    StatusPaintItem item;
    item.kind = StatusPaintItem::Kind::Text;
    item.x = x;
    item.y = y;
    item.colour = colour;
    item.text = std::string(text);
    items_.push_back(std::move(item));
    return x + width_(text);
}

} // namespace vesk
