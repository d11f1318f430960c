#include "settings/SettingsTable.h"

#include "common/TextFields.h"

namespace vesk {
namespace {

// The external editor opens transferred and help files. On the desktops the client runs on
// today the system's opener stands in for the old Notepad path; the file syntax is the same.
#if defined(_WIN32)
constexpr std::string_view defaultEditor = "c:\\windows\\notepad";
#elif defined(__APPLE__)
constexpr std::string_view defaultEditor = "open";
#else
constexpr std::string_view defaultEditor = "xdg-open";
#endif

using Kind = SettingKind;

constexpr SettingDefinition number(std::string_view section, std::string_view key,
                                   std::string_view format, std::int32_t value) {
    return {section, key, format, Kind::Integers, 1, {value, 0, 0}, {}, false};
}

constexpr SettingDefinition pair(std::string_view section, std::string_view key,
                                 std::string_view format, std::int32_t first, std::int32_t second) {
    return {section, key, format, Kind::Integers, 2, {first, second, 0}, {}, false};
}

constexpr SettingDefinition triple(std::string_view section, std::string_view key,
                                   std::string_view format, std::int32_t first, std::int32_t second,
                                   std::int32_t third) {
    return {section, key, format, Kind::Integers, 3, {first, second, third}, {}, false};
}

constexpr SettingDefinition text(std::string_view section, std::string_view key,
                                 std::string_view format, std::string_view value) {
    return {section, key, format, Kind::Text, 1, {}, value, false};
}

constexpr std::string_view general = "GeneralInfo";
constexpr std::string_view status = "StatusWindow";
constexpr std::string_view skills = "SkillsWindow";
constexpr std::string_view chat = "ChatWindow";
constexpr std::string_view colours = "Colours";
constexpr std::string_view log = "LogPrefs";
constexpr std::string_view friends = "Friends";

constexpr SettingDefinition showWhoWindowRow = {
    friends, "showWhoWindow", "showWhoWindow %d\n", Kind::Integers, 1, {1, 0, 0}, {}, true};

const SettingDefinition table[] = {
    text(general, "Editor", "Editor      %s\n", defaultEditor),
    text(general, "HelpEditor", "HelpEditor  %s\n", defaultEditor),
    number(general, "CmdEcho", "CmdEcho     %d\n", 1),
    pair(general, "Location", "Location    %d %d\n", 0, 0),
    pair(general, "Dimensions", "Dimensions  %d %d\n", 640, 480),
    number(general, "IsMaximized", "IsMaximized %d\n", 0),
    number(general, "ToolBar", "ToolBar\t  %d\n", 0),
    number(general, "useEasyMouseCopy", "useEasyMouseCopy %d\n", 1),
    number(general, "LagMeter", "LagMeter    %d\n", 1),
    number(general, "useCommandStacking", "useCommandStacking %d\n", 0),
    {general, "stackCharacter", "stackCharacter %c\n", Kind::Character, 1, {}, "&", false},
    number(general, "triggersEnabled", "triggersEnabled %d\n", 1),
    number(general, "soundsEnabled", "soundsEnabled %d\n", 1),
    number(general, "DisplayLoginAtStartup", "DisplayLoginAtStartup    %d\n", 1),
    number(general, "DisplayLoginAtDisconnect", "DisplayLoginAtDisconnect %d\n", 0),
    number(general, "LastCharLoggedIn", "LastCharLoggedIn         %d\n", -1),
    number(general, "UsePasswordDohickey", "UsePasswordDohickey      %d\n", 1),
    number(general, "ClearEditField", "ClearEditField\t\t   %d\n", 1),
    number(general, "CreateNewProfiles", "CreateNewProfiles\t\t   %d\n", 1),
    // Written after the keys every client knows; a client that predates it skips the line.
    number(general, "TypedTextEncoding", "TypedTextEncoding        %d\n", 0),

    number("GeneralWindow", "Num_CharactersWidth", "Num_CharactersWidth    %d\n", 80),
    // The text size, in pixels, that Ctrl+0 returns to: the size chosen with "Set Font", or the
    // size before the first zoom; 0 until either happens.
    number("GeneralWindow", "NormalFontHeight", "NormalFontHeight       %d\n", 0),

    number(status, "Open", "Open             %d\n", 1),
    number(status, "Moveable", "Moveable         %d\n", 0),
    number(status, "FixedLocation", "FixedLocation    %d\n", 0),
    number(status, "Narrow", "Narrow           %d\n", 0),
    pair(status, "MoveableLocation", "MoveableLocation %d %d\n", 0, 0),
    pair(status, "Dimensions", "Dimensions       %d %d\n", 177, 497),
    number(status, "BodyType", "BodyType\t\t   %d\n", 0),
    number(status, "UseMainWindowFont", "UseMainWindowFont %d\n", 0),
    number(status, "SmallBars", "SmallBars\t\t\t%d\n", 1),
    number(status, "PartyMobs", "PartyMobs\t\t\t%d\n", 0),

    number(skills, "Open", "Open        %d\n", 0),
    pair(skills, "Location", "Location    %d %d\n", 0, 300),
    pair(skills, "Dimensions", "Dimensions  %d %d\n", 615, 191),

    number(chat, "Open", "Open        %d\n", 0),
    number(chat, "NumLines", "NumLines    %d\n", 10),
    number(chat, "Location", "Location    %d\n", 1),
    number(chat, "Moveable", "Moveable    %d\n", 0),

    triple(colours, "Blue", "Blue            %d %d %d\n", 0, 0, 120),
    triple(colours, "Green", "Green           %d %d %d\n", 0, 120, 0),
    triple(colours, "Red", "Red             %d %d %d\n", 140, 0, 0),
    triple(colours, "Yellow", "Yellow          %d %d %d\n", 200, 120, 0),
    triple(colours, "Magenta", "Magenta         %d %d %d\n", 120, 0, 120),
    triple(colours, "Cyan", "Cyan            %d %d %d\n", 0, 140, 140),
    triple(colours, "White", "White           %d %d %d\n", 200, 200, 200),
    triple(colours, "Background", "Background      %d %d %d\n", 0, 0, 0),
    triple(colours, "Selection", "Selection       %d %d %d\n", 200, 200, 200),
    triple(colours, "BlueBold", "BlueBold            %d %d %d\n", 0, 0, 255),
    triple(colours, "GreenBold", "GreenBold           %d %d %d\n", 0, 255, 0),
    triple(colours, "RedBold", "RedBold             %d %d %d\n", 255, 0, 0),
    triple(colours, "YellowBold", "YellowBold          %d %d %d\n", 255, 255, 0),
    triple(colours, "MagentaBold", "MagentaBold         %d %d %d\n", 255, 0, 255),
    triple(colours, "CyanBold", "CyanBold            %d %d %d\n", 0, 255, 255),
    triple(colours, "WhiteBold", "WhiteBold           %d %d %d\n", 255, 255, 255),

    number(log, "LogEverything", "LogEverything     %d\n", 1),
    number(log, "LogTells", "LogTells          %d\n", 1),
    number(log, "LogSays", "LogSays           %d\n", 1),
    number(log, "LogChannels", "LogChannels       %d\n", 1),
    number(log, "LogShouts", "LogShouts         %d\n", 1),
    number(log, "LogEverythingElse", "LogEverythingElse %d\n", 1),
    text(log, "LogFile", "LogFile           %s\n", "logfile.txt"),
    number(log, "LogPrepend", "LogPrepend\t\t%d\n", 0),
    number(log, "LogDefault", "LogDefault\t\t%d\n", 0),
    number(log, "LogAutoName", "LogAutoName\t\t%d\n", 0),
    triple(log, "LogAutoNameOpt", "LogAutoNameOpt    %d %d %d\n", 1, 1, 1),

    showWhoWindowRow,
    number(friends, "showWhoLevel", "showWhoLevel %d\n", 1),
    number(friends, "showWhoName", "showWhoName %d\n", 1),
    number(friends, "showWhoRace", "showWhoRace %d\n", 1),
    number(friends, "showWhoClass", "showWhoClass %d\n", 1),
    pair(friends, "Location", "Location     %d %d\n", 0, 0),
    pair(friends, "Dimensions", "Dimensions   %d %d\n", 200, 200),
};

const std::string_view sections[] = {"GeneralInfo",  "GeneralWindow", "StatusWindow",
                                     "SkillsWindow", "ChatWindow",    "Colours",
                                     "LogPrefs",     "Characters",    "Friends"};

} // namespace

std::span<const SettingDefinition> SettingsTable::definitions() {
    return table;
}

std::span<const std::string_view> SettingsTable::sectionNames() {
    return sections;
}

int SettingsTable::indexOf(SettingKey key) {
    for (std::size_t index = 0; index < std::size(table); ++index) {
        if (table[index].section == key.section && table[index].key == key.key) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int SettingsTable::indexForFileKey(std::string_view section, std::string_view key) {
    for (std::size_t index = 0; index < std::size(table); ++index) {
        const auto& row = table[index];
        if (row.section == section &&
            (row.keyIgnoresCase ? equalsIgnoringCase(row.key, key) : row.key == key)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

} // namespace vesk
