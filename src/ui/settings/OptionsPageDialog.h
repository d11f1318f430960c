#pragma once

#include "settings/OptionsPages.h"

#include <QDialog>

namespace vesk {

class OptionsPage;
class Preferences;

// One options page on its own in a modal dialog, for the commands that open a single page.
// OK saves the page with the same rules as the full dialog; Cancel changes nothing.
class OptionsPageDialog : public QDialog {
    Q_OBJECT

public:
    OptionsPageDialog(OptionsPageKind kind, Preferences& preferences, QWidget* parent = nullptr);

    // Shows the dialog modally; true after OK.
    bool run();
    OptionsPage* page() const { return page_.page; }

    void accept() override;

signals:
    void fontRequested();

private:
    Preferences& preferences_;
    PageToApply page_;
};

} // namespace vesk
