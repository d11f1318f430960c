#pragma once

#include "settings/OptionsPages.h"

#include <QDialog>

#include <vector>

class QTabWidget;

namespace vesk {

class OptionsPage;
class Preferences;

// "Vesk Options": every page in one tabbed dialog. The pages edit their own controls; OK
// saves them into the preferences in tab order, and each setting that changed announces
// itself, so the windows that show it follow. Cancel changes nothing (the Logging page's naming
// choices and a font chosen with "Set Font" have taken effect already, by design).
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(Preferences& preferences, QWidget* parent = nullptr);

    // Shows the dialog modally; true after OK.
    bool run();

    OptionsPage* page(OptionsPageKind kind) const;
    QTabWidget* tabs() const { return tabs_; }

    // The page shown last, for as long as the program runs (not saved).
    static int rememberedPage();

    void accept() override;

signals:
    // "Set Font" on the Fonts/Colors page: open the font chooser now.
    void fontRequested();

private:
    Preferences& preferences_;
    QTabWidget* tabs_ = nullptr;
    std::vector<PageToApply> pages_;
};

} // namespace vesk
