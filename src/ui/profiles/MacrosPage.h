#pragma once

#include "common/TextBoundary.h"

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vesk {

class MacroTable;

// The "Macros" tab of the Profiles dialog: the keys of one profile's macro table in table
// order, and the macro text of the chosen key, stored into the table at every keystroke. The
// table belongs to the dialog's copy of the profiles; the dialog commits or drops it. A macro
// keeps its stored bytes until its text is changed; what the player types is stored as UTF-8.
class MacrosPage : public QWidget {
    Q_OBJECT
public:
    explicit MacrosPage(QWidget* parent = nullptr);

    // Shows another profile's table (nothing for none) with no key chosen.
    void LoadMacroTable(MacroTable* table);

    QListWidget* keyList() const { return keyList_; }
    QLabel* keySelectedLabel() const { return keySelected_; }
    QLineEdit* macroField() const { return macroField_; }

private:
    void showSelectedKey();
    void storeMacroText(const QString& text);
    // The stored name of the chosen key; nothing when none is chosen.
    const std::string* selectedKey() const;

    MacroTable* table_ = nullptr;
    KeptText loadedText_;
    QListWidget* keyList_;
    QLabel* keySelected_;
    QLineEdit* macroField_;
};

} // namespace vesk
