#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vesk {

// How a setting's values sit on its line: one to three integers, a text that runs to the end
// of the line (a path, which may hold blanks), or a single character.
enum class SettingKind { Integers, Text, Character };

// One row of the one table of settings. Reading, writing, defaults and the options dialog
// all walk this table, so a key cannot be written but never read.
struct SettingDefinition {
    std::string_view section;
    std::string_view key;
    // The printf format the line is written with; its spacing is part of the file's look.
    std::string_view format;
    SettingKind kind = SettingKind::Integers;
    int count = 1;
    std::array<std::int32_t, 3> defaultNumbers{};
    std::string_view defaultText;
    bool keyIgnoresCase = false;
};

// Names a setting: keys repeat across sections ("Open", "Location"), so both are needed.
struct SettingKey {
    std::string_view section;
    std::string_view key;
};

class SettingsTable {
public:
    // Every setting of "Preferences.DAT" in written order, section by section.
    static std::span<const SettingDefinition> definitions();
    // The sections in written order; "Characters" has no table rows of its own.
    static std::span<const std::string_view> sectionNames();
    // Index into definitions(), or -1 for an unknown key.
    static int indexOf(SettingKey key);
    // The row a key line of a section refers to, honouring the keys that ignore case.
    static int indexForFileKey(std::string_view section, std::string_view key);
};

// The settings the rest of the client asks for by name.
namespace setting {
inline constexpr SettingKey editor{"GeneralInfo", "Editor"};
inline constexpr SettingKey helpEditor{"GeneralInfo", "HelpEditor"};
inline constexpr SettingKey cmdEcho{"GeneralInfo", "CmdEcho"};
inline constexpr SettingKey useCommandStacking{"GeneralInfo", "useCommandStacking"};
inline constexpr SettingKey stackCharacter{"GeneralInfo", "stackCharacter"};
inline constexpr SettingKey triggersEnabled{"GeneralInfo", "triggersEnabled"};
inline constexpr SettingKey soundsEnabled{"GeneralInfo", "soundsEnabled"};
inline constexpr SettingKey displayLoginAtStartup{"GeneralInfo", "DisplayLoginAtStartup"};
inline constexpr SettingKey displayLoginAtDisconnect{"GeneralInfo", "DisplayLoginAtDisconnect"};
inline constexpr SettingKey lastCharLoggedIn{"GeneralInfo", "LastCharLoggedIn"};
inline constexpr SettingKey usePasswordDohickey{"GeneralInfo", "UsePasswordDohickey"};
inline constexpr SettingKey createNewProfiles{"GeneralInfo", "CreateNewProfiles"};
// How typed text goes on the wire: 0 automatic, 1 UTF-8, 2 Latin-1 (TypedTextEncoding::Choice).
inline constexpr SettingKey typedTextEncoding{"GeneralInfo", "TypedTextEncoding"};
inline constexpr SettingKey numCharactersWidth{"GeneralWindow", "Num_CharactersWidth"};
inline constexpr SettingKey normalFontHeight{"GeneralWindow", "NormalFontHeight"};
inline constexpr SettingKey statusOpen{"StatusWindow", "Open"};
inline constexpr SettingKey statusMoveable{"StatusWindow", "Moveable"};
inline constexpr SettingKey statusNarrow{"StatusWindow", "Narrow"};
inline constexpr SettingKey skillsOpen{"SkillsWindow", "Open"};
inline constexpr SettingKey chatOpen{"ChatWindow", "Open"};
inline constexpr SettingKey logEverything{"LogPrefs", "LogEverything"};
inline constexpr SettingKey logTells{"LogPrefs", "LogTells"};
inline constexpr SettingKey logSays{"LogPrefs", "LogSays"};
inline constexpr SettingKey logChannels{"LogPrefs", "LogChannels"};
inline constexpr SettingKey logShouts{"LogPrefs", "LogShouts"};
inline constexpr SettingKey logEverythingElse{"LogPrefs", "LogEverythingElse"};
inline constexpr SettingKey logFile{"LogPrefs", "LogFile"};
inline constexpr SettingKey logPrepend{"LogPrefs", "LogPrepend"};
inline constexpr SettingKey logDefault{"LogPrefs", "LogDefault"};
inline constexpr SettingKey logAutoName{"LogPrefs", "LogAutoName"};
inline constexpr SettingKey logAutoNameOpt{"LogPrefs", "LogAutoNameOpt"};
inline constexpr SettingKey showWhoWindow{"Friends", "showWhoWindow"};
inline constexpr SettingKey showWhoLevel{"Friends", "showWhoLevel"};
inline constexpr SettingKey showWhoName{"Friends", "showWhoName"};
inline constexpr SettingKey showWhoRace{"Friends", "showWhoRace"};
inline constexpr SettingKey showWhoClass{"Friends", "showWhoClass"};
inline constexpr SettingKey whoLocation{"Friends", "Location"};
inline constexpr SettingKey whoDimensions{"Friends", "Dimensions"};
inline constexpr SettingKey clearEditField{"GeneralInfo", "ClearEditField"};
inline constexpr SettingKey windowLocation{"GeneralInfo", "Location"};
inline constexpr SettingKey windowDimensions{"GeneralInfo", "Dimensions"};
inline constexpr SettingKey isMaximized{"GeneralInfo", "IsMaximized"};
inline constexpr SettingKey lagMeter{"GeneralInfo", "LagMeter"};
inline constexpr SettingKey useEasyMouseCopy{"GeneralInfo", "useEasyMouseCopy"};
inline constexpr SettingKey statusFixedLocation{"StatusWindow", "FixedLocation"};
inline constexpr SettingKey statusMoveableLocation{"StatusWindow", "MoveableLocation"};
inline constexpr SettingKey statusDimensions{"StatusWindow", "Dimensions"};
inline constexpr SettingKey bodyType{"StatusWindow", "BodyType"};
inline constexpr SettingKey useMainWindowFont{"StatusWindow", "UseMainWindowFont"};
inline constexpr SettingKey smallBars{"StatusWindow", "SmallBars"};
inline constexpr SettingKey partyMobs{"StatusWindow", "PartyMobs"};
inline constexpr SettingKey skillsLocation{"SkillsWindow", "Location"};
inline constexpr SettingKey skillsDimensions{"SkillsWindow", "Dimensions"};
inline constexpr SettingKey chatLines{"ChatWindow", "NumLines"};
inline constexpr SettingKey chatLocation{"ChatWindow", "Location"};
inline constexpr SettingKey chatMoveable{"ChatWindow", "Moveable"};
inline constexpr SettingKey colourWhite{"Colours", "White"};
} // namespace setting

} // namespace vesk
