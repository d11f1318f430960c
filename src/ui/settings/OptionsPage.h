#pragma once

#include <QWidget>

namespace vesk {

class Preferences;

// One page of the options: it fills its controls from the preferences and writes them back
// when the dialog that holds it is confirmed. Pages never change the preferences while they
// are shown, except where a setting is meant to take effect at once (say so in the page).
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void load(const Preferences& preferences) = 0;
    virtual void save(Preferences& preferences) = 0;

signals:
    // The player asked for the font chooser; the main window opens it at once and applies
    // and saves the font itself, so a later Cancel does not undo it.
    void fontRequested();
};

} // namespace vesk
