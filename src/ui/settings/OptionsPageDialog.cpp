#include "settings/OptionsPageDialog.h"

#include "settings/OptionsPage.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace vesk {

OptionsPageDialog::OptionsPageDialog(OptionsPageKind kind, Preferences& preferences,
                                     QWidget* parent)
    : QDialog(parent),
      preferences_(preferences), page_{kind, createOptionsPage(kind, preferences, this)} {
    setWindowTitle(tr("Vesk Options - %1").arg(optionsPageTitle(kind)));
    connect(page_.page, &OptionsPage::fontRequested, this, &OptionsPageDialog::fontRequested);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_.page);
    layout->addWidget(buttons);
}

bool OptionsPageDialog::run() {
    return exec() == QDialog::Accepted;
}

void OptionsPageDialog::accept() {
    applyOptionsPages({&page_, 1}, preferences_);
    QDialog::accept();
}

} // namespace vesk
