#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace vesk {

class Preferences;

// "Chat Window Options": where the chat pane sits and how many rows it shows (the ChatWindow
// settings). Edits a copy in its controls; OK stores them.
class ChatWindowOptionsDialog : public QDialog {
    Q_OBJECT

public:
    ChatWindowOptionsDialog(Preferences& preferences, QWidget* parent = nullptr);

    // Modal; true after OK, when the caller saves the preferences and lays the window out.
    bool run();

    void load(const Preferences& preferences);
    void save(Preferences& preferences) const;
    void accept() override;

    QRadioButton* topButton() const { return top_; }
    QRadioButton* bottomButton() const { return bottom_; }
    QRadioButton* fixedButton() const { return fixed_; }
    QRadioButton* moveableButton() const { return moveable_; }
    QSpinBox* rowsBox() const { return rows_; }

private:
    QWidget* createChoices();
    QWidget* createRows();

    Preferences& preferences_;
    QRadioButton* top_ = nullptr;
    QRadioButton* bottom_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QRadioButton* moveable_ = nullptr;
    QSpinBox* rows_ = nullptr;
};

} // namespace vesk
