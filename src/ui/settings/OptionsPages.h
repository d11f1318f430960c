#pragma once

#include <QString>

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

// Saves each page into the preferences in the order given; each setting that changed
// announces itself once.
struct PageToApply {
    OptionsPageKind kind;
    OptionsPage* page;
};
void applyOptionsPages(std::span<const PageToApply> pages, Preferences& preferences);

} // namespace vesk
