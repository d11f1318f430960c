#pragma once

namespace vesk {

class Settings;

// What the main window has to do after the options were confirmed. The settings themselves
// are already stored in the preferences; these flags name the windows that must follow them.
struct OptionsResult {
    // OK was pressed: the preferences file must be saved.
    bool savePreferences = false;
    // StatusWindow Moveable changed: show the other status holder (docked or floating).
    bool statusHolderChanged = false;
    // StatusWindow BodyType was flipped (already stored): repaint the status view.
    bool bodyTypeChanged = false;
    // GeneralInfo LagMeter changed: show or hide the lag read-out and lay out again.
    bool lagMeterChanged = false;
    // StatusWindow FixedLocation or Narrow changed: lay the main window out again.
    bool relayout = false;
    // The status page was confirmed: apply the status and skills fonts again (main window
    // font when UseMainWindowFont is 1, else the default font).
    bool reapplyStatusFont = false;
    // A colour of the text panes changed: repaint the output view and the chat pane.
    bool coloursChanged = false;
    // GeneralWindow Num_CharactersWidth changed: lines stored from now on wrap at it.
    bool wrapWidthChanged = false;

    bool operator==(const OptionsResult&) const = default;
};

// Compares the settings before and after the pages were saved. statusPageSaved marks a
// confirmed status page, whose fonts are applied again even when nothing changed.
OptionsResult optionsResultOf(const Settings& before, const Settings& after, bool statusPageSaved);

} // namespace vesk
