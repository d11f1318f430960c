#include "status/SkillsModel.h"

#include "common/DecimalText.h"
#include "common/Host.h"
#include "common/LineSender.h"
#include "common/TextFormat.h"

namespace vesk {
namespace {

std::int32_t shortNumber(std::string_view token) {
    return decimalValue(token.substr(0, SkillsModel::numberTokenLimit));
}

// A percent outside 0..100 is how the server marks a skill that cannot rise further.
std::string percentText(std::int32_t percent) {
    if (percent < 0 || percent > 100) {
        return "(MAX!)";
    }
    return formatText("(%3d%%)", percent);
}

} // namespace

SkillsModel::SkillsModel(Host& host) : host_(host) {}

void SkillsModel::setClass(std::string_view name) {
    className_ = std::string(name.substr(0, classNameLimit));
}

void SkillsModel::setSkill(std::string_view key, std::string_view levelToken,
                           std::string_view percentToken) {
    skillLevel_.slot(key) = shortNumber(levelToken);
    skillPercent_.slot(key) = shortNumber(percentToken);
    host_.changed(Change::Skills);
}

void SkillsModel::requestListing(LineSender& sender) const {
    sender.DoSend(skillsRequest);
}

SkillsModel::RowText SkillsModel::rowText(const SkillRow& row) {
    return {std::string(row.displayName), formatText("%3d ", skillLevel_.get(row.key)),
            percentText(skillPercent_.get(row.key))};
}

std::vector<SkillsModel::ColumnText> SkillsModel::columnsText() {
    std::vector<ColumnText> columns;
    for (const SkillColumn& column : layout().columns) {
        ColumnText text{std::string(column.caption), {}};
        for (const SkillRow& row : column.rows) {
            text.rows.push_back(rowText(row));
        }
        columns.push_back(std::move(text));
    }
    return columns;
}

} // namespace vesk
