#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace vesk {

// The small entry dialogs of the friends lists ("Friends List Name", "Friend's Name"): one
// line of text, prefilled, OK or Cancel.
class NameEntryDialog : public QDialog {
    Q_OBJECT
public:
    NameEntryDialog(const QString& title, const QString& text, int maxLength,
                    QWidget* parent = nullptr);

    QString text() const;

    // What was typed on OK; nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent, const QString& title, const QString& text,
                                      int maxLength);

private:
    QLineEdit* field_ = nullptr;
};

} // namespace vesk
