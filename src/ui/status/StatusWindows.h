#pragma once

#include <QObject>
#include <QPoint>

class QFont;
class QString;
class QWidget;

namespace vesk {

class LagBar;
class LagMeter;
class LagReadout;
class Preferences;
class SkillsModel;
class SkillsWindow;
class StatusFrameWindow;
class StatusModel;
class StatusPane;

// The windows of the status model: the pane docked beside the main window's output, the
// floating status window with a lag meter of its own, and the skills window. Which holder
// shows the model follows the settings; the main window lays out the docked pane (and the lag
// meter under it) and asks for a layout again when the holders change.
class StatusWindows : public QObject {
    Q_OBJECT
public:
    struct Parts {
        StatusModel& status;
        SkillsModel& skills;
        Preferences& preferences;
        const LagMeter& lag;
    };

    // The docked pane is a child of `panes`; the floating windows belong to `window`.
    StatusWindows(Parts parts, QWidget& panes, QWidget& window);

    StatusPane& pane() { return *pane_; }
    StatusFrameWindow& frame() { return *frame_; }
    SkillsWindow& skills() { return *skills_; }

    // Docked or floating, as the settings say; only the holder shown paints the model.
    void showHolders();
    // The holder that shows the model repaints.
    void refresh();
    // The status views and the skills window draw with the main window's font when the
    // settings say so, else with the status windows' own.
    void applyFonts(const QFont& mainFont);
    // The floating window's lag meter shows a reading.
    void showFloatingLag(const QString& reading);
    // Hidden as the client exits: what is open stays recorded as open.
    void hideForExit();

signals:
    // The docked pane's scroll bar came or went, or the holders changed.
    void layoutNeeded();
    // A status view gave the keyboard back.
    void inputFocusWanted();
    // "Refresh" in a status view's menu.
    void refreshRequested();
    // The skills window was shown or hidden by the player.
    void skillsShownChanged(bool shown);

private:
    void showMenu(QWidget& view, QPoint position);

    Parts parts_;
    StatusPane* pane_ = nullptr;
    StatusFrameWindow* frame_ = nullptr;
    SkillsWindow* skills_ = nullptr;
    LagReadout* frameLagReadout_ = nullptr;
    LagBar* frameLagBar_ = nullptr;
};

} // namespace vesk
