#include "settings/OptionsResult.h"

#include "settings/Settings.h"

namespace vesk {
namespace {

bool differs(const Settings& before, const Settings& after, SettingKey key) {
    for (int index = 0; index < 3; ++index) {
        if (before.number(key, index) != after.number(key, index)) {
            return true;
        }
    }
    return false;
}

bool coloursDiffer(const Settings& before, const Settings& after) {
    const auto rows = SettingsTable::definitions();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].section == "Colours" && before.at(row) != after.at(row)) {
            return true;
        }
    }
    return false;
}

} // namespace

OptionsResult optionsResultOf(const Settings& before, const Settings& after, bool statusPageSaved) {
    OptionsResult result;
    result.savePreferences = true;
    result.statusHolderChanged = differs(before, after, setting::statusMoveable);
    result.bodyTypeChanged = differs(before, after, {"StatusWindow", "BodyType"});
    result.lagMeterChanged = differs(before, after, {"GeneralInfo", "LagMeter"});
    result.relayout = differs(before, after, {"StatusWindow", "FixedLocation"}) ||
                      differs(before, after, setting::statusNarrow);
    result.reapplyStatusFont = statusPageSaved;
    result.coloursChanged = coloursDiffer(before, after);
    result.wrapWidthChanged = differs(before, after, setting::numCharactersWidth);
    return result;
}

} // namespace vesk
