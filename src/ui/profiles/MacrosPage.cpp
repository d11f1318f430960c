#include "profiles/MacrosPage.h"

#include "input/MacroTable.h"
#include "input/ProfileEditing.h"
#include "profiles/ProfileText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace vesk {

using profiles::fromQt;
using profiles::toQt;

namespace {

const QString noKeySelected = QStringLiteral("Key Selected: None");

QLabel* helpText(const QStringList& lines, QWidget* parent) {
    auto* label = new QLabel(lines.join(QLatin1Char('\n')), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    return label;
}

} // namespace

MacrosPage::MacrosPage(QWidget* parent)
    : QWidget(parent), keyList_(new QListWidget(this)),
      keySelected_(new QLabel(noKeySelected, this)), macroField_(new QLineEdit(this)) {
    keyList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the longest key name beside the scroll bar, so no name is cut.
    keyList_->setFixedWidth(
        keyList_->fontMetrics().horizontalAdvance(QStringLiteral("Keypad Right + Num Lock")) +
        keyList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
    keyList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keySelected_->setTextFormat(Qt::PlainText);
    macroField_->setEnabled(false);

    auto* fields = new QFormLayout;
    fields->addRow(keySelected_);
    fields->addRow(QStringLiteral("Macro:"), macroField_);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addSpacing(8);
    right->addWidget(helpText(
        {QStringLiteral("You can use Macros to add a command to certain keys on the keyboard"),
         QStringLiteral("(i.e. function keys, arrow keys). To add a macro, select the key in "
                        "the list"),
         QStringLiteral("box to the Left, and then type the command in the text box above.")},
        this));
    right->addSpacing(6);
    right->addWidget(helpText(
        {QStringLiteral("To delete a macro, just select the key in the list box to the Left, "
                        "and then"),
         QStringLiteral("delete any text in the text box above.")},
        this));
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(keyList_);
    layout->addLayout(right, 1);

    connect(keyList_, &QListWidget::itemSelectionChanged, this, &MacrosPage::showSelectedKey);
    connect(macroField_, &QLineEdit::textEdited, this, &MacrosPage::storeMacroText);
}

void MacrosPage::LoadMacroTable(MacroTable* table) {
    table_ = table;
    const QSignalBlocker blocker(keyList_);
    keyList_->clear();
    if (table_ != nullptr) {
        for (const auto& entry : table_->entries()) {
            auto* item = new QListWidgetItem(toQt(entry.first), keyList_);
            item->setData(Qt::UserRole, toQt(entry.first));
        }
    }
    showSelectedKey();
}

QString MacrosPage::selectedKey() const {
    const auto selected = keyList_->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(Qt::UserRole).toString();
}

void MacrosPage::showSelectedKey() {
    const QString key = selectedKey();
    const std::string* text =
        key.isEmpty() || table_ == nullptr ? nullptr : table_->find(fromQt(key));
    if (text == nullptr) {
        keySelected_->setText(noKeySelected);
        macroField_->clear();
        macroField_->setEnabled(false);
        return;
    }
    keySelected_->setText(QStringLiteral("Key Selected: ") + key);
    macroField_->setText(toQt(*text));
    macroField_->setEnabled(true);
}

void MacrosPage::storeMacroText(const QString& text) {
    const QString key = selectedKey();
    if (key.isEmpty() || table_ == nullptr) {
        return;
    }
    const std::string storable = ProfileEditing::storableMacroText(fromQt(text));
    table_->set(fromQt(key), storable);
    if (toQt(storable) != text) {
        macroField_->setText(toQt(storable));
    }
}

} // namespace vesk
