#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace vesk {

// Every setting of "Preferences.DAT", named at compile time, in written order. The name is
// all the code ever uses: a misspelt one does not compile, and looking a value up is an index
// into the values, never a search of the table. `setting::cmdEcho` and the like name them.
enum class SettingKey : std::uint8_t {
    // GeneralInfo
    editor,
    helpEditor,
    cmdEcho,
    windowLocation,
    windowDimensions,
    isMaximized,
    toolBar,
    useEasyMouseCopy,
    lagMeter,
    useCommandStacking,
    stackCharacter,
    triggersEnabled,
    soundsEnabled,
    displayLoginAtStartup,
    displayLoginAtDisconnect,
    lastCharLoggedIn,
    usePasswordDohickey,
    clearEditField,
    createNewProfiles,
    // How typed text goes on the wire: 0 automatic, 1 UTF-8, 2 Latin-1 (TypedTextEncoding).
    typedTextEncoding,
    // Try the server again by itself after a connection ended without the player asking.
    autoReconnect,
    // Copy other players' tells, says, shouts and channel lines into the open chat pane.
    gatherChat,
    // GeneralWindow
    numCharactersWidth,
    normalFontHeight,
    // How many lines the scroll-back keeps at least before its oldest are dropped.
    scrollbackLines,
    // The share of the main output view, in percent, that the live tail takes while split.
    splitTailShare,
    // Sending a command joins a split output view again.
    splitJoinOnSend,
    // A screen reader is told of the player's own echoed commands as well as the server's text.
    announceOwnCommands,
    // StatusWindow
    statusOpen,
    statusMoveable,
    statusFixedLocation,
    statusNarrow,
    statusMoveableLocation,
    statusDimensions,
    bodyType,
    useMainWindowFont,
    smallBars,
    partyMobs,
    // SkillsWindow
    skillsOpen,
    skillsLocation,
    skillsDimensions,
    // ChatWindow
    chatOpen,
    chatLines,
    chatLocation,
    chatMoveable,
    // Colours
    colourBlue,
    colourGreen,
    colourRed,
    colourYellow,
    colourMagenta,
    colourCyan,
    colourWhite,
    colourBackground,
    colourSelection,
    colourBlueBold,
    colourGreenBold,
    colourRedBold,
    colourYellowBold,
    colourMagentaBold,
    colourCyanBold,
    colourWhiteBold,
    // LogPrefs
    logEverything,
    logTells,
    logSays,
    logChannels,
    logShouts,
    logEverythingElse,
    logFile,
    logPrepend,
    logDefault,
    logAutoName,
    logAutoNameOpt,
    // Friends
    showWhoWindow,
    showWhoLevel,
    showWhoName,
    showWhoRace,
    showWhoClass,
    whoLocation,
    whoDimensions,
};

namespace setting {
using enum SettingKey;
} // namespace setting

inline constexpr std::size_t settingCount = static_cast<std::size_t>(SettingKey::whoDimensions) + 1;

constexpr std::size_t rowOf(SettingKey key) {
    return static_cast<std::size_t>(key);
}

// How a setting's values sit on its line: one to three integers, a text that runs to the end
// of the line (a path, which may hold blanks), or a single character.
enum class SettingKind { Integers, Text, Character };

// What a setting may hold, for the option pages and the rules that check typed values: the
// range of its numbers and how many characters its edit field takes (the digits of a number,
// the length of a text). The file reader takes any value, as it always has.
struct SettingLimits {
    std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
    int width = 0;
    constexpr bool allows(std::int32_t value) const { return value >= minimum && value <= maximum; }
};

// When a changed value reaches the file: most at once, a window's place only at exit, since
// it changes with every step of a drag.
enum class SettingSaved { AtOnce, AtExit };

// One row of the one table of settings. Reading, writing, defaults, limits and the options
// dialog all walk this table, so a key cannot be written but never read.
struct SettingDefinition {
    SettingKey setting;
    std::string_view section;
    // The key as the file spells it.
    std::string_view key;
    // The printf format the line is written with; its spacing is part of the file's look.
    std::string_view format;
    SettingKind kind = SettingKind::Integers;
    int count = 1;
    std::array<std::int32_t, 3> defaultNumbers{};
    std::string_view defaultText;
    bool keyIgnoresCase = false;
    SettingLimits limits{};
    SettingSaved saved = SettingSaved::AtOnce;
};

class SettingsTable {
public:
    // Every setting of "Preferences.DAT" in written order, section by section; row i is the
    // setting whose key has the value i.
    static std::span<const SettingDefinition> definitions();
    static const SettingDefinition& definition(SettingKey key) { return definitions()[rowOf(key)]; }
    static const SettingLimits& limits(SettingKey key) { return definition(key).limits; }
    // The sections in written order; "Characters" has no table rows of its own.
    static std::span<const std::string_view> sectionNames();
    // The row a key line of a section refers to, honouring the keys that ignore case; -1 for a
    // key this client does not know.
    static int indexForFileKey(std::string_view section, std::string_view key);

    // A number typed into the setting's edit field: blanks around it are ignored, only the
    // field's width of characters is read, and the whole of that must be a decimal number
    // within the setting's limits. Nothing otherwise, so the old value stays.
    static std::optional<std::int32_t> numberFromText(SettingKey key, std::string_view text);
};

// The colours of the text panes by the panes' own colour numbers 1 to 7 (red, green, blue,
// magenta, cyan, yellow, white), plain and bold: entry n-1 is number n.
inline constexpr std::array<SettingKey, 7> plainColours = {
    setting::colourRed,  setting::colourGreen,  setting::colourBlue, setting::colourMagenta,
    setting::colourCyan, setting::colourYellow, setting::colourWhite};
inline constexpr std::array<SettingKey, 7> boldColours = {
    setting::colourRedBold,     setting::colourGreenBold, setting::colourBlueBold,
    setting::colourMagentaBold, setting::colourCyanBold,  setting::colourYellowBold,
    setting::colourWhiteBold};

} // namespace vesk
