#include "profiles/MacrosPage.h"

#include "profiles/MacroTable.h"
#include "profiles/ProfileEditing.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace vesk {

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
    keyList_->setAccessibleName(QStringLiteral("Macro keys"));
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
            new QListWidgetItem(toQString(entry.first), keyList_);
        }
    }
    showSelectedKey();
}

// A list row is its key's place in the table: keys are only ever added at the end.
const std::string* MacrosPage::selectedKey() const {
    const auto selected = keyList_->selectedItems();
    const int row = selected.isEmpty() ? -1 : keyList_->row(selected.front());
    if (table_ == nullptr || row < 0 || row >= static_cast<int>(table_->size())) {
        return nullptr;
    }
    return &table_->entries()[static_cast<std::size_t>(row)].first;
}

void MacrosPage::showSelectedKey() {
    const std::string* key = selectedKey();
    const std::string* text = key == nullptr ? nullptr : table_->find(*key);
    if (text == nullptr) {
        keySelected_->setText(noKeySelected);
        macroField_->clear();
        macroField_->setEnabled(false);
        return;
    }
    keySelected_->setText(QStringLiteral("Key Selected: ") + toQString(*key));
    loadedText_ = KeptText(*text);
    macroField_->setText(loadedText_.text());
    macroField_->setEnabled(true);
}

void MacrosPage::storeMacroText(const QString& text) {
    const std::string* key = selectedKey();
    if (key == nullptr) {
        return;
    }
    const std::string storable = ProfileEditing::storableMacroText(loadedText_.bytesFor(text));
    table_->set(*key, storable);
    if (toQString(storable) != text) {
        macroField_->setText(toQString(storable));
    }
}

} // namespace vesk
