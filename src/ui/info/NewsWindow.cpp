#include "info/NewsWindow.h"

#include "common/TextBoundary.h"

#include "common/Host.h"
#include "info/NewsText.h"
#include "info/ProjectWebPage.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace vesk {
namespace {

// The messages from `first` on, each on a line of its own.
QString newsLines(const std::deque<std::string>& messages, std::size_t first) {
    QString view;
    for (std::size_t index = first; index < messages.size(); ++index) {
        if (index > first) {
            view += QLatin1Char('\n');
        }
        view += toQString(messages[index]);
    }
    return view;
}

} // namespace

NewsWindow::NewsWindow(const NewsText& news, Host& host, QWidget* parent)
    : QDialog(parent), news_(news), host_(host) {
    setWindowTitle(toQString(NewsText::title));
    setModal(false);
    text_ = new QPlainTextEdit(this);
    text_->setAccessibleName(tr("News"));
    text_->setReadOnly(true);
    // Nothing typed here is ever undone; an undo record of every news line would only cost.
    text_->setUndoRedoEnabled(false);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setMinimumSize(420, 220);
    auto* buttons = new QDialogButtonBox(this);
    download_ =
        buttons->addButton(toQString(NewsText::downloadButton), QDialogButtonBox::ActionRole);
    close_ = buttons->addButton(toQString(NewsText::closeButton), QDialogButtonBox::AcceptRole);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);
    connect(download_, &QPushButton::clicked, this, [this] { host_.openUrl(projectWebPage); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    refresh();
}

// Only what is new is added, at the end, and the lines the news no longer keeps go from the
// start: the text already shown is neither rebuilt nor compared, so a refresh costs what the
// news changed by, and the player's place and selection in the text stay where they are.
void NewsWindow::refresh() {
    const std::deque<std::string>& messages = news_.messages();
    const std::uint64_t added = news_.messagesAdded() - shownAdded_;
    if (news_.generation() != shownGeneration_ || added >= messages.size()) {
        text_->setPlainText(newsLines(messages, 0));
    } else if (added > 0) {
        QTextCursor cursor(text_->document());
        cursor.beginEditBlock();
        const std::size_t kept = messages.size() - added;
        const int gone = text_->document()->blockCount() - static_cast<int>(kept);
        if (gone > 0) {
            cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, gone);
            cursor.removeSelectedText();
        }
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + newsLines(messages, kept));
        cursor.endEditBlock();
    }
    shownGeneration_ = news_.generation();
    shownAdded_ = news_.messagesAdded();
    if (news_.exists() && isHidden()) {
        show();
    }
}

} // namespace vesk
