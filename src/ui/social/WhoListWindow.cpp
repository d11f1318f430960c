#include "social/WhoListWindow.h"

#include "prefs/Preferences.h"
#include "social/WhoListTable.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {
namespace {

struct SortChoice {
    const char* label;
    WhoSort sort;
};
constexpr SortChoice sortChoices[] = {{"Level", WhoSort::Level},
                                      {"Class", WhoSort::Class},
                                      {"Race", WhoSort::Race},
                                      {"Friends", WhoSort::Friends}};

QString counted(std::size_t count, const QString& one, const QString& many) {
    return QString::number(count) + " " + (count == 1 ? one : many);
}

} // namespace

WhoListWindow::WhoListWindow(const WhoList& list, Preferences& preferences, QWidget* parent)
    : QDialog(parent), list_(list), preferences_(preferences) {
    setWindowTitle(tr("Who List"));
    setModal(false);
    table_ = new WhoListTable(this);
    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(buildSortRow());
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    setMinimumSize(260, 200);
    restorePlacement();
    rebuild();
}

QWidget* WhoListWindow::buildSortRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Sort:"), row));
    sortChoices_ = new QButtonGroup(row);
    for (const auto& choice : sortChoices) {
        auto* button = new QRadioButton(tr(choice.label), row);
        button->setObjectName(choice.label);
        button->setChecked(choice.sort == view_.sort());
        sortChoices_->addButton(button, static_cast<int>(choice.sort));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(sortChoices_, &QButtonGroup::idClicked, this,
            [this](int id) { setSort(static_cast<WhoSort>(id)); });
    return row;
}

void WhoListWindow::setSort(WhoSort sort) {
    view_.setSort(sort);
    if (QAbstractButton* button = sortChoices_->button(static_cast<int>(sort))) {
        button->setChecked(true);
    }
    rebuild();
}

void WhoListWindow::refresh() {
    if (rebuildQueued_) {
        return;
    }
    rebuildQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        rebuildQueued_ = false;
        rebuild();
    });
}

void WhoListWindow::rebuild() {
    const auto rows = view_.rows(list_, preferences_.friends);
    table_->showRows(rows, WhoListView::columns(preferences_.settings));
    const auto friends =
        std::ranges::count_if(rows, [](const WhoRow& row) { return row.isFriend; });
    summary_->setText(counted(rows.size(), tr("player online"), tr("players online")) +
                      QStringLiteral("  \u00b7  ") +
                      counted(static_cast<std::size_t>(friends), tr("friend"), tr("friends")));
}

// A saved place that no longer lies on any screen (a monitor was removed) is ignored, and
// (0, 0) is the never-moved default: the window system places the window then.
void WhoListWindow::restorePlacement() {
    const Settings& settings = preferences_.settings;
    const int width = settings.number(setting::whoDimensions, 0);
    const int height = settings.number(setting::whoDimensions, 1);
    resize(std::max(width, minimumWidth()), std::max(height, minimumHeight()));
    const QPoint location(settings.number(setting::whoLocation, 0),
                          settings.number(setting::whoLocation, 1));
    if (!location.isNull() && QGuiApplication::screenAt(location + QPoint(20, 20)) != nullptr) {
        move(location);
    }
}

void WhoListWindow::recordPlacement() {
    if (!isVisible()) {
        return;
    }
    Settings& settings = preferences_.settings;
    settings.setNumber(setting::whoLocation, x(), 0);
    settings.setNumber(setting::whoLocation, y(), 1);
    settings.setNumber(setting::whoDimensions, width(), 0);
    settings.setNumber(setting::whoDimensions, height(), 1);
}

void WhoListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rebuild();
    emit shownChanged(true);
}

void WhoListWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit shownChanged(false);
}

void WhoListWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    recordPlacement();
}

void WhoListWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    recordPlacement();
}

} // namespace vesk
