#include "info/AboutDialog.h"

#include "common/TextBoundary.h"

#include "common/Host.h"
#include "info/ProjectWebPage.h"
#include "protocol/ControlMarker.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vesk {
namespace {

QLabel* createTitle(QWidget* parent) {
    auto* title = new QLabel(QStringLiteral("Vesk"), parent);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.8);
    font.setBold(true);
    title->setFont(font);
    return title;
}

QLabel* createIcon(QWidget* parent) {
    auto* icon = new QLabel(parent);
    const QIcon picture = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    icon->setPixmap(picture.pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}

} // namespace

AboutDialog::AboutDialog(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(tr("About Vesk"));
    version_ = new QLabel(tr("Version %1").arg(toQString(clientVersion)), this);
    auto* description = new QLabel(tr("The desktop client for FenmarchMUD."), this);
    auto* text = new QVBoxLayout;
    text->addWidget(createTitle(this));
    text->addWidget(version_);
    text->addSpacing(8);
    text->addWidget(description);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(createIcon(this));
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    webPage_ = buttons->addButton(tr("Visit the Vesk Web Page"), QDialogButtonBox::ActionRole);
    connect(webPage_, &QPushButton::clicked, this, [this] { host_.openUrl(projectWebPage); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    setMinimumWidth(400);
}

} // namespace vesk
