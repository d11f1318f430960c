#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vesk {

class Host;

// Help > About: the program's name and version, and a way to its web page.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(Host& host, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }
    QPushButton* webPageButton() const { return webPage_; }

private:
    Host& host_;
    QLabel* version_ = nullptr;
    QPushButton* webPage_ = nullptr;
};

} // namespace vesk
