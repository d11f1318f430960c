#include "settings/OptionsDialog.h"

#include "settings/OptionsPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vesk {
namespace {

int& lastShownPage() {
    static int index = 0;
    return index;
}

} // namespace

OptionsDialog::OptionsDialog(Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setWindowTitle(tr("Vesk Options"));
    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(tr("Option pages"));
    for (int index = 0; index < optionsPageCount; ++index) {
        const auto kind = static_cast<OptionsPageKind>(index);
        OptionsPage* page = createOptionsPage(kind, preferences_, tabs_);
        connect(page, &OptionsPage::fontRequested, this, &OptionsDialog::fontRequested);
        tabs_->addTab(page, optionsPageTitle(kind));
        pages_.push_back({kind, page});
    }
    tabs_->setCurrentIndex(lastShownPage());
    connect(tabs_, &QTabWidget::currentChanged, this, [](int index) { lastShownPage() = index; });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

bool OptionsDialog::run() {
    return exec() == QDialog::Accepted;
}

OptionsPage* OptionsDialog::page(OptionsPageKind kind) const {
    return pages_[static_cast<std::size_t>(kind)].page;
}

int OptionsDialog::rememberedPage() {
    return lastShownPage();
}

void OptionsDialog::accept() {
    applyOptionsPages(pages_, preferences_);
    QDialog::accept();
}

} // namespace vesk
