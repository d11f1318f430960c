#include "settings/ColoursPage.h"

#include "preferences/Preferences.h"
#include "settings/ColourSwatch.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {
namespace {

// The captions of the columns, in the order the panes number the colours (1 red ... 7 white).
constexpr const char* colourNames[] = {"Red",  "Green",  "Blue", "Magenta",
                                       "Cyan", "Yellow", "White"};
static_assert(std::size(colourNames) == plainColours.size());

// The panes draw with the low byte of each number, so the swatch shows the same.
QColor colourOf(const std::array<std::int32_t, 3>& numbers) {
    return QColor(numbers[0] & 0xFF, numbers[1] & 0xFF, numbers[2] & 0xFF);
}

QColor defaultColour(SettingKey key) {
    return colourOf(SettingsTable::definition(key).defaultNumbers);
}

QLabel* createCaption(const QString& text, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setAlignment(Qt::AlignCenter);
    QFont font = caption->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    caption->setFont(font);
    return caption;
}

} // namespace

ColoursPage::ColoursPage(QWidget* parent) : OptionsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createColourGroup());
    layout->addWidget(createFontGroup());
    layout->addStretch();
}

ColourSwatch* ColoursPage::addSwatch(SettingKey key, const QString& name, QWidget* parent) {
    auto* swatch = new ColourSwatch(name, parent);
    slots_.push_back({key, swatch});
    return swatch;
}

QWidget* ColoursPage::createColourGroup() {
    auto* group = new QGroupBox(tr("Text Colors"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->addWidget(new QLabel(tr("Regular:"), group), 1, 0);
    grid->addWidget(new QLabel(tr("Bold:"), group), 2, 0);
    int column = 1;
    for (std::size_t colour = 0; colour < plainColours.size(); ++colour) {
        const QString name = tr(colourNames[colour]);
        grid->addWidget(createCaption(name, group), 0, column, Qt::AlignCenter);
        grid->addWidget(addSwatch(plainColours[colour], name, group), 1, column, Qt::AlignCenter);
        grid->addWidget(addSwatch(boldColours[colour], tr("%1 (bold)").arg(name), group), 2, column,
                        Qt::AlignCenter);
        ++column;
    }
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(new QLabel(tr("Background:"), group), 4, 0);
    grid->addWidget(addSwatch(setting::colourBackground, tr("Background"), group), 4, 1,
                    Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Selection:"), group), 5, 0);
    grid->addWidget(addSwatch(setting::colourSelection, tr("Selection"), group), 5, 1,
                    Qt::AlignCenter);
    grid->setColumnStretch(column, 1);
    restoreDefaults_ = new QPushButton(tr("Restore Defaults"), group);
    grid->addWidget(restoreDefaults_, 5, column - 3, 1, 3, Qt::AlignRight);
    connect(restoreDefaults_, &QPushButton::clicked, this, &ColoursPage::restoreDefaults);
    return group;
}

QWidget* ColoursPage::createFontGroup() {
    auto* group = new QGroupBox(tr("Font"), this);
    auto* row = new QHBoxLayout(group);
    auto* note = new QLabel(tr("The font of the text windows and the input line."), group);
    note->setWordWrap(true);
    setFont_ = new QPushButton(tr("Set Font"), group);
    row->addWidget(note, 1);
    row->addWidget(setFont_);
    connect(setFont_, &QPushButton::clicked, this, &OptionsPage::fontRequested);
    return group;
}

ColourSwatch* ColoursPage::swatch(std::string_view key) const {
    for (const Slot& slot : slots_) {
        if (SettingsTable::definition(slot.key).key == key) {
            return slot.swatch;
        }
    }
    return nullptr;
}

void ColoursPage::restoreDefaults() {
    for (const Slot& slot : slots_) {
        slot.swatch->setColour(defaultColour(slot.key));
    }
}

void ColoursPage::load(const Preferences& preferences) {
    for (const Slot& slot : slots_) {
        slot.swatch->setColour(colourOf(preferences.settings.at(rowOf(slot.key)).numbers));
    }
}

void ColoursPage::save(Preferences& preferences) {
    for (const Slot& slot : slots_) {
        const QColor colour = slot.swatch->colour();
        preferences.settings.setNumbers(slot.key, {colour.red(), colour.green(), colour.blue()});
    }
}

} // namespace vesk
