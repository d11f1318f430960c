#include "info/NewsWindow.h"

#include "common/TextBoundary.h"

#include "common/Host.h"
#include "info/ProjectWebPage.h"
#include "protocol/NewsText.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {
namespace {

QString viewOf(std::string_view text) {
    return toQString(text);
}

} // namespace

NewsWindow::NewsWindow(const NewsText& news, Host& host, QWidget* parent)
    : QDialog(parent), news_(news), host_(host) {
    setWindowTitle(viewOf(NewsText::title));
    setModal(false);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setMinimumSize(420, 220);
    auto* buttons = new QDialogButtonBox(this);
    download_ = buttons->addButton(viewOf(NewsText::downloadButton), QDialogButtonBox::ActionRole);
    close_ = buttons->addButton(viewOf(NewsText::closeButton), QDialogButtonBox::AcceptRole);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);
    connect(download_, &QPushButton::clicked, this, [this] { host_.openUrl(projectWebPage); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    refresh();
}

void NewsWindow::refresh() {
    // The stored text separates lines with a carriage return and a line feed.
    QString text = viewOf(news_.text());
    text.remove(QLatin1Char('\r'));
    if (text_->toPlainText() != text) {
        text_->setPlainText(text);
    }
    if (news_.exists() && isHidden()) {
        show();
    }
}

} // namespace vesk
