#include "profiles/SelectActiveProfileDialog.h"

#include "common/TextBoundary.h"
#include "preferences/Preferences.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

QLabel* plainLines(const QStringList& lines, QWidget* parent) {
    auto* label = new QLabel(lines.join(QLatin1Char('\n')), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QHBoxLayout* leftAligned(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

SelectActiveProfileDialog::SelectActiveProfileDialog(Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences), list_(new QListWidget(this)),
      editProfilesButton_(new QPushButton(QStringLiteral("Edit Profiles"), this)),
      autoLoginButton_(new QPushButton(QStringLiteral("File -> &Autologin."), this)) {
    setWindowTitle(QStringLiteral("Select Active Profile"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(180);
    list_->setAccessibleName(QStringLiteral("Profiles"));
    editProfilesButton_->setAutoDefault(false);
    autoLoginButton_->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectActiveProfileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SelectActiveProfileDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &SelectActiveProfileDialog::accept);
    connect(editProfilesButton_, &QPushButton::clicked, this, [this] {
        if (editProfiles_) {
            editProfiles_(selectedIndex());
        }
        refill();
    });
    connect(autoLoginButton_, &QPushButton::clicked, this, [this] {
        if (autoLogin_) {
            autoLogin_();
        }
        refill();
    });

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addSpacing(6);
    body->addLayout(buildSideColumn());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    refill();
}

QLayout* SelectActiveProfileDialog::buildSideColumn() {
    auto* column = new QVBoxLayout;
    column->addWidget(plainLines({QStringLiteral("This lets you override which Profile to use"),
                                  QStringLiteral("for this Login session. This setting is not"),
                                  QStringLiteral("saved between Login sessions.")},
                                 this));
    column->addLayout(leftAligned(editProfilesButton_));
    column->addSpacing(12);
    column->addWidget(plainLines({QStringLiteral("To permanently change which Profile is"),
                                  QStringLiteral("used by default for each character, use")},
                                 this));
    column->addLayout(leftAligned(autoLoginButton_));
    column->addStretch(1);
    return column;
}

void SelectActiveProfileDialog::refill() {
    list_->clear();
    for (const auto& profile : preferences_.profiles.profiles()) {
        list_->addItem(toQString(profile.name()));
    }
    const int last = static_cast<int>(preferences_.profiles.size()) - 1;
    list_->setCurrentRow(std::clamp(preferences_.activeProfile, 0, last),
                         QItemSelectionModel::ClearAndSelect);
}

int SelectActiveProfileDialog::selectedIndex() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void SelectActiveProfileDialog::accept() {
    const int index = selectedIndex();
    if (index >= 0) {
        preferences_.setActiveProfile(index);
    }
    emit saveRequested();
    QDialog::accept();
}

} // namespace vesk
