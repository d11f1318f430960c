#pragma once

#include "prefs/SettingsTable.h"

namespace vesk::statussetting {

// The settings the status and skills windows read and write, by section and key.
inline constexpr SettingKey open{"StatusWindow", "Open"};
inline constexpr SettingKey moveable{"StatusWindow", "Moveable"};
inline constexpr SettingKey fixedLocation{"StatusWindow", "FixedLocation"};
inline constexpr SettingKey narrow{"StatusWindow", "Narrow"};
inline constexpr SettingKey moveableLocation{"StatusWindow", "MoveableLocation"};
inline constexpr SettingKey dimensions{"StatusWindow", "Dimensions"};
inline constexpr SettingKey bodyType{"StatusWindow", "BodyType"};
inline constexpr SettingKey useMainWindowFont{"StatusWindow", "UseMainWindowFont"};
inline constexpr SettingKey smallBars{"StatusWindow", "SmallBars"};
inline constexpr SettingKey partyMobs{"StatusWindow", "PartyMobs"};
inline constexpr SettingKey lagMeter{"GeneralInfo", "LagMeter"};

inline constexpr SettingKey skillsOpen{"SkillsWindow", "Open"};
inline constexpr SettingKey skillsLocation{"SkillsWindow", "Location"};
inline constexpr SettingKey skillsDimensions{"SkillsWindow", "Dimensions"};
// The colour ordinary text takes in the skills window.
inline constexpr SettingKey whiteColour{"Colours", "White"};

} // namespace vesk::statussetting
