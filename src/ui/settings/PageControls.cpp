#include "settings/PageControls.h"

#include "common/TextBoundary.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vesk {
namespace {

constexpr int noteWidth = 420;

} // namespace

void loadFlag(QAbstractButton& button, const Settings& settings, SettingKey key, int index) {
    button.setChecked(settings.number(key, index) == 1);
}

void saveFlag(const QAbstractButton& button, Settings& settings, SettingKey key, int index) {
    settings.setNumber(key, button.isChecked() ? 1 : 0, index);
}

// The text settings are local file names: an editor program, a log file.
void loadText(QLineEdit& edit, const Settings& settings, SettingKey key) {
    edit.setText(KeptText(settings.text(key), KeptText::Kind::LocalPath).text());
}

void saveText(const QLineEdit& edit, Settings& settings, SettingKey key) {
    // Settings cut texts to the 255 characters a path may hold. A path left as it was keeps
    // its bytes, whatever encoding wrote them.
    const KeptText stored(settings.text(key), KeptText::Kind::LocalPath);
    settings.setText(key, stored.bytesFor(edit.text()));
}

QLabel* createNote(const QString& text, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);
    // A wrapped label does not tell a dialog that sizes itself how tall it becomes, so it
    // asks for the height its text needs at its narrowest.
    note->setMinimumWidth(noteWidth);
    note->setMinimumHeight(note->heightForWidth(noteWidth));
    return note;
}

QGroupBox* createChoice(const QString& title, QRadioButton*& first, const QString& firstText,
                        QRadioButton*& second, const QString& secondText, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    first = new QRadioButton(firstText, group);
    second = new QRadioButton(secondText, group);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    return group;
}

} // namespace vesk
