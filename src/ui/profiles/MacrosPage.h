#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vesk {

class MacroTable;

// The "Macros" tab of the Profiles dialog: the keys of one profile's macro table in table
// order, and the macro text of the chosen key, stored into the table at every keystroke. The
// table belongs to the dialog's copy of the profiles; the dialog commits or drops it.
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
    QString selectedKey() const;

    MacroTable* table_ = nullptr;
    QListWidget* keyList_;
    QLabel* keySelected_;
    QLineEdit* macroField_;
};

} // namespace vesk
