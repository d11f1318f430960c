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
using Key = SettingKey;

constexpr SettingDefinition number(Key setting, std::string_view section, std::string_view key,
                                   std::string_view format, std::int32_t value,
                                   SettingLimits limits = {}) {
    return {setting, section, key, format, Kind::Integers, 1, {value, 0, 0}, {}, false, limits};
}

constexpr SettingDefinition pair(Key setting, std::string_view section, std::string_view key,
                                 std::string_view format, std::int32_t first, std::int32_t second) {
    return {setting, section, key, format, Kind::Integers, 2, {first, second, 0}, {}, false};
}

// A window's place: recorded with every move, written at exit.
constexpr SettingDefinition keptUntilExit(SettingDefinition row) {
    row.saved = SettingSaved::AtExit;
    return row;
}

constexpr SettingDefinition place(Key setting, std::string_view section, std::string_view key,
                                  std::string_view format, std::int32_t first,
                                  std::int32_t second) {
    return keptUntilExit(pair(setting, section, key, format, first, second));
}

// A key the file may spell in any letter case.
constexpr SettingDefinition anyCase(SettingDefinition row) {
    row.keyIgnoresCase = true;
    return row;
}

constexpr SettingDefinition triple(Key setting, std::string_view section, std::string_view key,
                                   std::string_view format, std::int32_t first, std::int32_t second,
                                   std::int32_t third) {
    return {setting, section, key, format, Kind::Integers, 3, {first, second, third}, {}, false};
}

constexpr SettingDefinition colour(Key setting, std::string_view key, std::string_view format,
                                   std::int32_t red, std::int32_t green, std::int32_t blue) {
    SettingDefinition row = triple(setting, "Colours", key, format, red, green, blue);
    row.limits = {0, 255, 3};
    return row;
}

constexpr SettingDefinition text(Key setting, std::string_view section, std::string_view key,
                                 std::string_view format, std::string_view value) {
    return {setting, section, key,   format, Kind::Text,
            1,       {},      value, false,  {0, 0, static_cast<int>(pathWidth)}};
}

constexpr std::string_view general = "GeneralInfo";
constexpr std::string_view window = "GeneralWindow";
constexpr std::string_view status = "StatusWindow";
constexpr std::string_view skills = "SkillsWindow";
constexpr std::string_view chat = "ChatWindow";
constexpr std::string_view log = "LogPrefs";
constexpr std::string_view friends = "Friends";

constexpr SettingLimits flag{0, 1, 1};

constexpr SettingDefinition table[] = {
    text(Key::editor, general, "Editor", "Editor      %s\n", defaultEditor),
    text(Key::helpEditor, general, "HelpEditor", "HelpEditor  %s\n", defaultEditor),
    number(Key::cmdEcho, general, "CmdEcho", "CmdEcho     %d\n", 1, flag),
    place(Key::windowLocation, general, "Location", "Location    %d %d\n", 0, 0),
    place(Key::windowDimensions, general, "Dimensions", "Dimensions  %d %d\n", 640, 480),
    keptUntilExit(number(Key::isMaximized, general, "IsMaximized", "IsMaximized %d\n", 0, flag)),
    number(Key::toolBar, general, "ToolBar", "ToolBar\t  %d\n", 0, flag),
    number(Key::useEasyMouseCopy, general, "useEasyMouseCopy", "useEasyMouseCopy %d\n", 1, flag),
    number(Key::lagMeter, general, "LagMeter", "LagMeter    %d\n", 1, flag),
    number(Key::useCommandStacking, general, "useCommandStacking", "useCommandStacking %d\n", 0,
           flag),
    // One character: the separator of stacked commands.
    {Key::stackCharacter,
     general,
     "stackCharacter",
     "stackCharacter %c\n",
     Kind::Character,
     1,
     {},
     "&",
     false,
     {0, 0, 1}},
    number(Key::triggersEnabled, general, "triggersEnabled", "triggersEnabled %d\n", 1, flag),
    number(Key::soundsEnabled, general, "soundsEnabled", "soundsEnabled %d\n", 1, flag),
    number(Key::displayLoginAtStartup, general, "DisplayLoginAtStartup",
           "DisplayLoginAtStartup    %d\n", 1, flag),
    number(Key::displayLoginAtDisconnect, general, "DisplayLoginAtDisconnect",
           "DisplayLoginAtDisconnect %d\n", 0, flag),
    number(Key::lastCharLoggedIn, general, "LastCharLoggedIn", "LastCharLoggedIn         %d\n", -1),
    number(Key::usePasswordDohickey, general, "UsePasswordDohickey",
           "UsePasswordDohickey      %d\n", 1, flag),
    number(Key::clearEditField, general, "ClearEditField", "ClearEditField\t\t   %d\n", 1, flag),
    number(Key::createNewProfiles, general, "CreateNewProfiles", "CreateNewProfiles\t\t   %d\n", 1,
           flag),
    // Written after the keys every client knows; a client that predates it skips the line.
    number(Key::typedTextEncoding, general, "TypedTextEncoding", "TypedTextEncoding        %d\n", 0,
           {0, 2, 1}),
    // Newer still, written after it for the same reason.
    number(Key::autoReconnect, general, "AutoReconnect", "AutoReconnect            %d\n", 1, flag),
    number(Key::gatherChat, general, "GatherChat", "GatherChat               %d\n", 1, flag),

    // The wrap width in characters, typed into a field of 15 characters; 0 wraps at the pane.
    number(Key::numCharactersWidth, window, "Num_CharactersWidth", "Num_CharactersWidth    %d\n",
           80, {0, 999, 15}),
    // The text size, in pixels, that Ctrl+0 returns to: the size chosen with "Set Font", or the
    // size before the first zoom; 0 until either happens.
    number(Key::normalFontHeight, window, "NormalFontHeight", "NormalFontHeight       %d\n", 0),
    // The scroll-back's length in lines: a flood, however long, cannot fill the machine's
    // memory. Written after the keys every client knows; a client that predates it skips it.
    number(Key::scrollbackLines, window, "ScrollbackLines", "ScrollbackLines        %d\n",
           1'000'000, {1'000, 100'000'000, 9}),
    // The split output view's tail, in percent of the view; set by dragging its divider.
    number(Key::splitTailShare, window, "SplitTailShare", "SplitTailShare         %d\n", 33,
           {10, 90, 2}),
    number(Key::splitJoinOnSend, window, "SplitJoinOnSend", "SplitJoinOnSend        %d\n", 1, flag),
    number(Key::announceOwnCommands, window, "AnnounceOwnCommands", "AnnounceOwnCommands    %d\n",
           1, flag),

    number(Key::statusOpen, status, "Open", "Open             %d\n", 1, flag),
    number(Key::statusMoveable, status, "Moveable", "Moveable         %d\n", 0, flag),
    number(Key::statusFixedLocation, status, "FixedLocation", "FixedLocation    %d\n", 0, flag),
    number(Key::statusNarrow, status, "Narrow", "Narrow           %d\n", 0, flag),
    place(Key::statusMoveableLocation, status, "MoveableLocation", "MoveableLocation %d %d\n", 0,
          0),
    place(Key::statusDimensions, status, "Dimensions", "Dimensions       %d %d\n", 177, 497),
    number(Key::bodyType, status, "BodyType", "BodyType\t\t   %d\n", 0, flag),
    number(Key::useMainWindowFont, status, "UseMainWindowFont", "UseMainWindowFont %d\n", 0, flag),
    number(Key::smallBars, status, "SmallBars", "SmallBars\t\t\t%d\n", 1, flag),
    number(Key::partyMobs, status, "PartyMobs", "PartyMobs\t\t\t%d\n", 0, flag),

    number(Key::skillsOpen, skills, "Open", "Open        %d\n", 0, flag),
    place(Key::skillsLocation, skills, "Location", "Location    %d %d\n", 0, 300),
    place(Key::skillsDimensions, skills, "Dimensions", "Dimensions  %d %d\n", 615, 191),

    number(Key::chatOpen, chat, "Open", "Open        %d\n", 0, flag),
    // A chat pane of more rows than this would leave no room for the game text.
    number(Key::chatLines, chat, "NumLines", "NumLines    %d\n", 10, {1, 100, 3}),
    number(Key::chatLocation, chat, "Location", "Location    %d\n", 1, flag),
    number(Key::chatMoveable, chat, "Moveable", "Moveable    %d\n", 0, flag),

    colour(Key::colourBlue, "Blue", "Blue            %d %d %d\n", 0, 0, 120),
    colour(Key::colourGreen, "Green", "Green           %d %d %d\n", 0, 120, 0),
    colour(Key::colourRed, "Red", "Red             %d %d %d\n", 140, 0, 0),
    colour(Key::colourYellow, "Yellow", "Yellow          %d %d %d\n", 200, 120, 0),
    colour(Key::colourMagenta, "Magenta", "Magenta         %d %d %d\n", 120, 0, 120),
    colour(Key::colourCyan, "Cyan", "Cyan            %d %d %d\n", 0, 140, 140),
    colour(Key::colourWhite, "White", "White           %d %d %d\n", 200, 200, 200),
    colour(Key::colourBackground, "Background", "Background      %d %d %d\n", 0, 0, 0),
    colour(Key::colourSelection, "Selection", "Selection       %d %d %d\n", 200, 200, 200),
    colour(Key::colourBlueBold, "BlueBold", "BlueBold            %d %d %d\n", 0, 0, 255),
    colour(Key::colourGreenBold, "GreenBold", "GreenBold           %d %d %d\n", 0, 255, 0),
    colour(Key::colourRedBold, "RedBold", "RedBold             %d %d %d\n", 255, 0, 0),
    colour(Key::colourYellowBold, "YellowBold", "YellowBold          %d %d %d\n", 255, 255, 0),
    colour(Key::colourMagentaBold, "MagentaBold", "MagentaBold         %d %d %d\n", 255, 0, 255),
    colour(Key::colourCyanBold, "CyanBold", "CyanBold            %d %d %d\n", 0, 255, 255),
    colour(Key::colourWhiteBold, "WhiteBold", "WhiteBold           %d %d %d\n", 255, 255, 255),

    number(Key::logEverything, log, "LogEverything", "LogEverything     %d\n", 1, flag),
    number(Key::logTells, log, "LogTells", "LogTells          %d\n", 1, flag),
    number(Key::logSays, log, "LogSays", "LogSays           %d\n", 1, flag),
    number(Key::logChannels, log, "LogChannels", "LogChannels       %d\n", 1, flag),
    number(Key::logShouts, log, "LogShouts", "LogShouts         %d\n", 1, flag),
    number(Key::logEverythingElse, log, "LogEverythingElse", "LogEverythingElse %d\n", 1, flag),
    text(Key::logFile, log, "LogFile", "LogFile           %s\n", "logfile.txt"),
    number(Key::logPrepend, log, "LogPrepend", "LogPrepend\t\t%d\n", 0, flag),
    number(Key::logDefault, log, "LogDefault", "LogDefault\t\t%d\n", 0, flag),
    number(Key::logAutoName, log, "LogAutoName", "LogAutoName\t\t%d\n", 0, flag),
    triple(Key::logAutoNameOpt, log, "LogAutoNameOpt", "LogAutoNameOpt    %d %d %d\n", 1, 1, 1),

    anyCase(number(Key::showWhoWindow, friends, "showWhoWindow", "showWhoWindow %d\n", 1, flag)),
    number(Key::showWhoLevel, friends, "showWhoLevel", "showWhoLevel %d\n", 1, flag),
    number(Key::showWhoName, friends, "showWhoName", "showWhoName %d\n", 1, flag),
    number(Key::showWhoRace, friends, "showWhoRace", "showWhoRace %d\n", 1, flag),
    number(Key::showWhoClass, friends, "showWhoClass", "showWhoClass %d\n", 1, flag),
    place(Key::whoLocation, friends, "Location", "Location     %d %d\n", 0, 0),
    place(Key::whoDimensions, friends, "Dimensions", "Dimensions   %d %d\n", 200, 200),
};

// Row i must be the setting named i: the names index the values directly.
constexpr bool rowsFollowTheNames() {
    if (std::size(table) != settingCount) {
        return false;
    }
    for (std::size_t row = 0; row < std::size(table); ++row) {
        if (rowOf(table[row].setting) != row) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFollowTheNames(), "the settings table is out of step with SettingKey");

const std::string_view sections[] = {"GeneralInfo",  "GeneralWindow", "StatusWindow",
                                     "SkillsWindow", "ChatWindow",    "Colours",
                                     "LogPrefs",     "Characters",    "Friends"};

bool isBlank(char character) {
    return character == ' ' || (character >= '\t' && character <= '\r');
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::span<const SettingDefinition> SettingsTable::definitions() {
    return table;
}

std::span<const std::string_view> SettingsTable::sectionNames() {
    return sections;
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

std::optional<std::int32_t> SettingsTable::numberFromText(SettingKey key, std::string_view text) {
    const SettingLimits& limits = SettingsTable::limits(key);
    std::string_view digits = trimmed(text);
    if (limits.width > 0) {
        digits = trimmed(digits.substr(0, static_cast<std::size_t>(limits.width)));
    }
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
        if (value > std::int64_t{1} << 32) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value < limits.minimum || value > limits.maximum) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace vesk
