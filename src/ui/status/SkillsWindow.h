#pragma once

#include <QColor>
#include <QWidget>

namespace vesk {

class Settings;
class SkillsModel;

// The floating "Skills" window: the character's skills in the columns of its class, each with
// its level and its progress towards the next. The server fills the skills model; this window
// only paints it, says when the player shows or hides it (the client records that and asks the
// server for the listing), and remembers where it stands in the settings.
class SkillsWindow : public QWidget {
    Q_OBJECT
public:
    SkillsWindow(SkillsModel& skills, Settings& settings, QWidget* parent = nullptr);

    // The skills changed: one repaint at the next turn of the event loop.
    void refresh() { update(); }
    // The "Skills Window" command: hides a shown window, shows a hidden one.
    void toggle();
    // Shows or hides the window and says so with openChanged.
    void setOpen(bool open);
    // The panel colour the window fills its background with (black unless the player picks one).
    void setPanelBackground(QColor colour);
    // Moves and sizes the window as the settings say.
    void placeFromSettings();

signals:
    // The window was shown or hidden (also by its close button).
    void openChanged(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SkillsModel& skills_;
    Settings& settings_;
    QColor background_ = Qt::black;
    bool recording_ = false;
};

} // namespace vesk
