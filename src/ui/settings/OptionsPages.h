#pragma once

#include "settings/OptionsResult.h"

#include <QString>

#include <optional>
#include <span>

class QWidget;

namespace vesk {

class OptionsPage;
class Preferences;

// The pages of the options, in tab order; confirming applies them in this order too.
enum class OptionsPageKind { General, Status, CommandStack, Colours, Logging, Help };
inline constexpr int optionsPageCount = 6;

// The tab caption: "General", "Status", "Cmd. Stack", "Fonts/Colors", "Logging", "Help".
QString optionsPageTitle(OptionsPageKind kind);

// A new page of the kind, filled from the preferences. live is the record that settings
// taking effect at once are written to (the same preferences the caller confirms into).
OptionsPage* createOptionsPage(OptionsPageKind kind, Preferences& live, QWidget* parent);

// The menu-less commands that open one page on its own: 32777 Fonts/Colors, 32793 Status,
// 32799 General, 32803 Logging, 32809 Cmd. Stack, 32810 Help.
std::optional<OptionsPageKind> optionsPageForCommand(int command);

// Saves each page into the preferences in the order given and says what changed.
struct PageToApply {
    OptionsPageKind kind;
    OptionsPage* page;
};
OptionsResult applyOptionsPages(std::span<const PageToApply> pages, Preferences& preferences);

} // namespace vesk
