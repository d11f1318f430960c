#pragma once

#include <QDialog>

#include <cstddef>
#include <cstdint>

class QPlainTextEdit;
class QPushButton;

namespace vesk {

class Host;
class NewsText;

// "Vesk News": the server's news, read-only. The window appears with the first news message
// and follows the core's news text whenever it changes; the server's words are shown as plain
// text, never as markup.
class NewsWindow : public QDialog {
    Q_OBJECT

public:
    NewsWindow(const NewsText& news, Host& host, QWidget* parent = nullptr);

    // Call on Change::News: adds the messages that are new, drops those the news no longer
    // keeps, and shows the window once news exists.
    void refresh();

    QPlainTextEdit* textView() const { return text_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* downloadButton() const { return download_; }

private:
    const NewsText& news_;
    Host& host_;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* download_ = nullptr;
    // Which of the news messages the view holds: those up to this count of all ever added.
    std::uint64_t shownGeneration_ = 0;
    std::uint64_t shownAdded_ = 0;
};

} // namespace vesk
