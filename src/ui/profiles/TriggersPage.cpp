#include "profiles/TriggersPage.h"

#include "common/TextFields.h"
#include "input/CommandStacking.h"
#include "profiles/ProfileEditing.h"
#include "profiles/TriggerPictures.h"
#include "profiles/WavBrowse.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vesk {

namespace {

std::optional<QString> chooseWithFileDialog(QWidget* parent, const QString& folder,
                                            const QString& initialName) {
    const QString start = initialName.isEmpty() ? folder : QDir(folder).filePath(initialName);
    const QString chosen =
        QFileDialog::getOpenFileName(parent, QString(), start, QStringLiteral("WAV Files (*.WAV)"));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen;
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TriggersPage::TriggersPage(Settings& settings, QString soundFolder, QWidget* parent)
    : QWidget(parent), settings_(settings), soundFolder_(std::move(soundFolder)),
      list_(new QTreeWidget(this)), triggerField_(new QLineEdit(this)),
      commandField_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("Browse for .WAV"), this)),
      add_(new QPushButton(QStringLiteral("Add a new trigger"), this)),
      insertCopy_(new QPushButton(QStringLiteral("Insert Copy"), this)),
      copy_(new QPushButton(QStringLiteral("Copy"), this)),
      paste_(new QPushButton(QStringLiteral("Paste"), this)),
      delete_(new QPushButton(QStringLiteral("Delete Selected Trigger"), this)),
      enableTriggers_(new QCheckBox(QStringLiteral("Enable Triggers"), this)) {
    chooseWav_ = [this](const QString& folder, const QString& initialName) {
        return chooseWithFileDialog(this, folder, initialName);
    };
    // A tree control used as a flat list: no header, no branch lines, one picture per row.
    list_->setHeaderHidden(true);
    list_->setAccessibleName(QStringLiteral("Triggers"));
    list_->setRootIsDecorated(false);
    list_->setColumnCount(1);
    list_->setIconSize(TriggerPictures::size);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(200);
    list_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    triggerField_->setMaxLength(static_cast<int>(triggerFieldWidth));
    commandField_->setMaxLength(static_cast<int>(triggerFieldWidth));

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(enableTriggers_);
    auto* right = new QVBoxLayout;
    right->addWidget(buildEditingControls());
    right->addWidget(buildHelpTexts());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connectControls();
    LoadTriggerList(nullptr);
}

QWidget* TriggersPage::buildEditingControls() {
    auto* box = new QWidget(this);
    auto* fields = new QFormLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addRow(QStringLiteral("Trigger:"), triggerField_);
    fields->addRow(QStringLiteral("Command:"), commandField_);

    auto* buttons = new QGridLayout;
    buttons->addWidget(add_, 0, 0);
    buttons->addWidget(insertCopy_, 0, 1);
    buttons->addWidget(delete_, 0, 2);
    buttons->addWidget(copy_, 1, 0);
    buttons->addWidget(paste_, 1, 1);
    buttons->addWidget(browse_, 1, 2);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    return box;
}

QWidget* TriggersPage::buildHelpTexts() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->addWidget(plainLabel(
        QStringList{QStringLiteral("You can add/delete and activate/deactivate triggers from "
                                   "this window."),
                    QStringLiteral("To activate/deactivate a trigger, double click on it in the "
                                   "list box to the"),
                    QStringLiteral("left. A check mark indicates that the trigger is activated.")}
            .join(QLatin1Char('\n')),
        box));
    QLabel* stacking = plainLabel(
        QStringLiteral("The 'Command' can be an action to send to the MUD, or the filename of a "
                       ".WAV file to play. Multiple commands can be strung together using "
                       "Command Stacking."),
        box);
    stacking->setWordWrap(true);
    layout->addWidget(stacking);
    return box;
}

void TriggersPage::connectControls() {
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TriggersPage::showSelected);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TriggersPage::toggleSelected);
    connect(triggerField_, &QLineEdit::textEdited, this, &TriggersPage::storePattern);
    connect(commandField_, &QLineEdit::textEdited, this, &TriggersPage::storeCommand);
    connect(add_, &QPushButton::clicked, this,
            [this] { appendAndSelect(ProfileEditing::newTrigger()); });
    connect(insertCopy_, &QPushButton::clicked, this, [this] {
        if (const TriggerRecord* trigger = selectedTrigger()) {
            appendAndSelect(TriggerRecord(*trigger));
        }
    });
    connect(copy_, &QPushButton::clicked, this, [this] {
        if (const TriggerRecord* trigger = selectedTrigger()) {
            clipboard_ = *trigger;
            updateEnabling();
        }
    });
    connect(paste_, &QPushButton::clicked, this, [this] {
        if (clipboard_) {
            appendAndSelect(TriggerRecord(*clipboard_));
        }
    });
    connect(delete_, &QPushButton::clicked, this, &TriggersPage::deleteSelected);
    connect(browse_, &QPushButton::clicked, this, &TriggersPage::browseForWav);
    connect(enableTriggers_, &QCheckBox::clicked, this, &TriggersPage::setTriggersEnabled);
}

QPushButton* TriggersPage::button(const QString& text) const {
    for (QPushButton* candidate : {browse_, add_, insertCopy_, copy_, paste_, delete_}) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

void TriggersPage::LoadTriggerList(TriggerList* triggers) {
    triggers_ = triggers;
    fillList();
    enableTriggers_->setChecked(settings_.isOn(setting::triggersEnabled));
    showSelected();
}

void TriggersPage::fillList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    if (triggers_ == nullptr) {
        return;
    }
    for (const TriggerRecord& trigger : *triggers_) {
        list_->addTopLevelItem(itemFor(trigger));
    }
}

QTreeWidgetItem* TriggersPage::itemFor(const TriggerRecord& trigger) const {
    auto* item = new QTreeWidgetItem(QStringList{toQString(trigger.pattern)});
    item->setIcon(0,
                  trigger.enabled != 0 ? TriggerPictures::enabled() : TriggerPictures::disabled());
    return item;
}

void TriggersPage::selectIndex(int index) {
    QTreeWidgetItem* item = list_->topLevelItem(index);
    if (item == nullptr) {
        list_->clearSelection();
        showSelected();
        return;
    }
    list_->setCurrentItem(item);
    item->setSelected(true);
}

int TriggersPage::selectedIndex() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

TriggerRecord* TriggersPage::selectedTrigger() {
    const int index = selectedIndex();
    if (triggers_ == nullptr || index < 0 || index >= static_cast<int>(triggers_->size())) {
        return nullptr;
    }
    return &(*triggers_)[static_cast<std::size_t>(index)];
}

void TriggersPage::showSelected() {
    const TriggerRecord* trigger = selectedTrigger();
    loadedPattern_ = trigger != nullptr ? KeptText(trigger->pattern) : KeptText();
    loadedCommand_ = trigger != nullptr ? KeptText(trigger->command) : KeptText();
    triggerField_->setText(loadedPattern_.text());
    commandField_->setText(loadedCommand_.text());
    updateEnabling();
}

void TriggersPage::updateEnabling() {
    const bool on = settings_.isOn(setting::triggersEnabled);
    const bool haveList = on && triggers_ != nullptr;
    const bool editing = haveList && selectedTrigger() != nullptr;
    list_->setEnabled(haveList);
    for (QWidget* control : std::initializer_list<QWidget*>{triggerField_, commandField_, browse_,
                                                            delete_, insertCopy_, copy_}) {
        control->setEnabled(editing);
    }
    add_->setEnabled(haveList);
    paste_->setEnabled(haveList && clipboard_.has_value());
}

void TriggersPage::appendAndSelect(const TriggerRecord& trigger) {
    if (triggers_ == nullptr) {
        return;
    }
    triggers_->push_back(trigger);
    list_->addTopLevelItem(itemFor(trigger));
    selectIndex(static_cast<int>(triggers_->size()) - 1);
}

// A double-click lands on an item it has just selected; without a selection it changes
// nothing.
void TriggersPage::toggleSelected() {
    TriggerRecord* trigger = selectedTrigger();
    if (trigger == nullptr) {
        return;
    }
    ProfileEditing::toggle(*trigger);
    list_->topLevelItem(selectedIndex())
        ->setIcon(0,
                  trigger->enabled != 0 ? TriggerPictures::enabled() : TriggerPictures::disabled());
}

void TriggersPage::storePattern(const QString& text) {
    TriggerRecord* trigger = selectedTrigger();
    if (trigger == nullptr) {
        return;
    }
    trigger->pattern = ProfileEditing::storableTriggerField(loadedPattern_.bytesFor(text));
    const QString stored = toQString(trigger->pattern);
    list_->topLevelItem(selectedIndex())->setText(0, stored);
    if (stored != text) {
        triggerField_->setText(stored);
    }
}

void TriggersPage::storeCommand(const QString& text) {
    TriggerRecord* trigger = selectedTrigger();
    if (trigger == nullptr) {
        return;
    }
    trigger->command = ProfileEditing::storableTriggerField(loadedCommand_.bytesFor(text));
    const QString stored = toQString(trigger->command);
    if (stored != text) {
        commandField_->setText(stored);
    }
}

// The trigger now at the deleted one's place becomes the selection, or the last one.
void TriggersPage::deleteSelected() {
    const int index = selectedIndex();
    if (triggers_ == nullptr || selectedTrigger() == nullptr) {
        return;
    }
    triggers_->erase(triggers_->begin() + index);
    {
        const QSignalBlocker blocker(list_);
        delete list_->takeTopLevelItem(index);
        list_->clearSelection();
    }
    selectIndex(std::min(index, static_cast<int>(triggers_->size()) - 1));
}

void TriggersPage::browseForWav() {
    if (selectedTrigger() == nullptr) {
        return;
    }
    const WavBrowse browse = WavBrowse::plan(loadedCommand_.bytesFor(commandField_->text()),
                                             CommandStacking::separator(settings_));
    // The sound file is a local file name, played as such.
    const auto chosen = chooseWav_(soundFolder_, fromLocalBytes(browse.initialFileName()));
    if (chosen) {
        commandField_->setText(toQString(
            browse.apply(toLocalBytes(*chosen), settings_.character(setting::stackCharacter))));
    }
    // Stored on Cancel as well: the fields stand for the trigger as they are.
    storePattern(triggerField_->text());
    storeCommand(commandField_->text());
}

void TriggersPage::setTriggersEnabled(bool on) {
    settings_.setNumber(setting::triggersEnabled, on ? 1 : 0);
    updateEnabling();
}

} // namespace vesk
