#include "display/FindDialog.h"

#include "common/TextBoundary.h"
#include "connection/TypedTextEncoding.h"
#include "display/FindState.h"
#include "display/OutputView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

FindDialog::FindDialog(FindState& state, OutputView& view, const TypedTextEncoding& encoding,
                       QWidget* parent)
    : QDialog(parent), state_(state), view_(view), encoding_(encoding), text_(new QLineEdit(this)),
      searchUp_(new QCheckBox("Search Up", this)), ignoreCase_(new QCheckBox("Ignore Case", this)) {
    setWindowTitle("Find");
    setAttribute(Qt::WA_DeleteOnClose);
    ignoreCase_->setChecked(true);
    text_->setMinimumWidth(220);

    auto* findNextButton = new QPushButton("Find Next", this);
    findNextButton->setDefault(true);
    auto* closeButton = new QPushButton("Close", this);
    connect(findNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* form = new QFormLayout;
    form->addRow("Find what:", text_);
    auto* options = new QHBoxLayout;
    options->addWidget(searchUp_);
    options->addWidget(ignoreCase_);
    options->addStretch();
    form->addRow(QString(), options);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNextButton);
    buttons->addWidget(closeButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    state_.resetStart();
}

void FindDialog::focusText() {
    activateWindow();
    text_->setFocus();
    text_->selectAll();
}

void FindDialog::findNext() {
    const FindState::Request request{toBytes(text_->text(), encoding_.encoding()),
                                     ignoreCase_->isChecked(), searchUp_->isChecked()};
    const FindState::Result result = state_.FindNext(request);
    if (result.outcome == FindState::Outcome::Found) {
        view_.scrollToLine(result.match.line);
    } else if (result.outcome == FindState::Outcome::NotFound) {
        text_->selectAll();
    }
    view_.update();
}

} // namespace vesk
