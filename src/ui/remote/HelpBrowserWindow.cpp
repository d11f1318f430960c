#include "remote/HelpBrowserWindow.h"

#include "common/TextBoundary.h"
#include "remote/BrowserIcons.h"
#include "remote/BrowserLayout.h"
#include "remote/BrowserPlacement.h"
#include "remote/HelpBrowserModel.h"
#include "remote/NameListModel.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTreeWidget>

namespace vesk {
namespace {

// The model's index of the category or topic an item shows, so the request carries the
// model's own bytes rather than the item's display text.
constexpr int indexRole = Qt::UserRole;

} // namespace

HelpBrowserWindow::HelpBrowserWindow(HelpBrowserModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), topicIcon_(BrowserIcons::helpTopic()),
      tree_(new QTreeWidget(this)), topics_(new QListView(this)),
      topicNames_(new NameListModel(
          {[this] { return model_.topics().size(); },
           [this](std::size_t index) -> std::string_view { return model_.topics()[index]; },
           [this](std::size_t) { return topicIcon_; },
           [this] { return model_.topicsGeneration(); }},
          this)),
      statusFrame_(new QFrame(this)), statusLine_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("FenmarchMUD Help"));
    tree_->setAccessibleName(QStringLiteral("Help categories"));
    topics_->setAccessibleName(QStringLiteral("Help topics"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    fillCategories();
    topics_->setModel(topicNames_);
    topics_->setUniformItemSizes(true);
    topics_->setIconSize(QSize(16, 16));
    topics_->setSelectionMode(QAbstractItemView::SingleSelection);
    topics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    statusFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->setTextFormat(Qt::PlainText);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this,
            &HelpBrowserWindow::onCategorySelected);
    connect(topics_, &QListView::doubleClicked, this, &HelpBrowserWindow::onTopicDoubleClicked);
    setMinimumSize(360, 200);
    resize(600, 400);
    refresh();
}

void HelpBrowserWindow::fillCategories() {
    const QIcon icon = BrowserIcons::helpCategory();
    const auto categories = HelpBrowserModel::Categories();
    for (std::size_t index = 0; index < categories.size(); ++index) {
        auto* item = new QTreeWidgetItem(tree_, {toQString(categories[index].itemText)});
        item->setIcon(0, icon);
        item->setData(0, indexRole, static_cast<int>(index));
        // The narrow tree may cut the longer names short; the whole name is a hover away.
        item->setToolTip(0, item->text(0));
    }
}

void HelpBrowserWindow::showFromMenu() {
    if (!model_.requestShow()) {
        return;
    }
    refresh();
    show();
    raise();
    activateWindow();
}

void HelpBrowserWindow::onCategorySelected() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int index = selected.front()->data(0, indexRole).toInt();
    model_.selectCategory(HelpBrowserModel::Categories()[static_cast<std::size_t>(index)].itemText);
    refresh();
}

void HelpBrowserWindow::onTopicDoubleClicked(const QModelIndex& index) {
    // The list mirrors the model, but a page of topics may have replaced it since the click.
    const std::optional<std::size_t> topic = topicNames_->itemOf(index);
    if (!topic) {
        return;
    }
    model_.requestTopic(model_.topics()[*topic]);
    refresh();
}

void HelpBrowserWindow::refresh() {
    topicNames_->follow();
    statusLine_->setText(toQString(model_.status()));
}

void HelpBrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const BrowserLayout layout =
        layOutHelpBrowser(width(), height(), statusLine_->fontMetrics().height());
    placeBrowserParts(layout, {tree_, topics_, statusFrame_, statusLine_});
}

} // namespace vesk
