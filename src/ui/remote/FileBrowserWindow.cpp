#include "remote/FileBrowserWindow.h"

#include "common/TextBoundary.h"
#include "input/CommandSender.h"
#include "remote/BrowserIcons.h"
#include "remote/BrowserLayout.h"
#include "remote/BrowserPlacement.h"
#include "remote/FileBrowserModel.h"
#include "remote/FileCommandMenu.h"
#include "remote/NameListModel.h"

#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTreeWidget>

#include <algorithm>

namespace vesk {
namespace {

// The model's index of the directory an item shows; requests carry the model's bytes.
constexpr int indexRole = Qt::UserRole;
// Whether a directory item shows the open-folder image.
constexpr int openRole = Qt::UserRole + 1;
// A name longer than this is cut short in the list (whole in its tooltip), so one absurd name
// cannot make every column as wide as itself.
constexpr int longestShownName = 60;
constexpr int widestColumn = 480;

} // namespace

FileBrowserWindow::FileBrowserWindow(FileBrowserModel& model, CommandSender& sender,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), sender_(sender),
      closedFolder_(BrowserIcons::closedFolder()), openFolder_(BrowserIcons::openFolder()),
      tree_(new QTreeWidget(this)), files_(new QListView(this)),
      fileNames_(new NameListModel(
          {[this] { return model_.files().size(); },
           [this](std::size_t index) -> std::string_view { return model_.files()[index].name; },
           [this](std::size_t index) {
               return fileIcon(static_cast<int>(model_.files()[index].image));
           },
           [this] { return model_.filesGeneration(); }},
          this)),
      statusFrame_(new QFrame(this)), statusLine_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Vesk File Browser"));
    tree_->setAccessibleName(QStringLiteral("Folders"));
    files_->setAccessibleName(QStringLiteral("Files"));
    fileImages_ = {BrowserIcons::plainFile(), BrowserIcons::sourceFile(),
                   BrowserIcons::headerFile()};
    tree_->setHeaderHidden(true);
    setUpFileList();
    statusFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->setTextFormat(Qt::PlainText);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this,
            &FileBrowserWindow::onDirectorySelected);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            &FileBrowserWindow::onDirectoryDoubleClicked);
    setMinimumSize(320, 200);
    resize(660, 420);
    widenColumnsFor(model_.files().size());
    refresh();
}

// A list-style view: names run down in columns and wrap to the next column, every column as wide
// as the widest name. All items have one size, so a list of a hundred thousand files is laid out
// without measuring each of them.
void FileBrowserWindow::setUpFileList() {
    files_->setModel(fileNames_);
    files_->setViewMode(QListView::ListMode);
    files_->setFlow(QListView::TopToBottom);
    files_->setWrapping(true);
    files_->setResizeMode(QListView::Adjust);
    files_->setUniformItemSizes(true);
    files_->setTextElideMode(Qt::ElideMiddle);
    files_->setIconSize(QSize(16, 16));
    files_->setSpacing(1);
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(files_, &QWidget::customContextMenuRequested, this, &FileBrowserWindow::openFileMenu);
}

void FileBrowserWindow::showBrowser() {
    model_.ShowFileBrowser();
    refresh();
    show();
    raise();
    activateWindow();
}

int FileBrowserWindow::directoryOf(const QTreeWidgetItem* item) const {
    return item == nullptr ? -1 : item->data(0, indexRole).toInt();
}

void FileBrowserWindow::onDirectorySelected() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (!selected.isEmpty()) {
        model_.onTreeSelection(directoryOf(selected.front()));
        refresh();
    }
}

void FileBrowserWindow::onDirectoryDoubleClicked(QTreeWidgetItem* item) {
    model_.onTreeDoubleClick(directoryOf(item));
    refresh();
}

void FileBrowserWindow::insertDirectoryItem(int directory) {
    const auto& entry = model_.directories()[static_cast<std::size_t>(directory)];
    auto* item = new QTreeWidgetItem({toQString(entry.name)});
    item->setData(0, indexRole, directory);
    item->setIcon(0, closedFolder_);
    items_.push_back(item);
    if (entry.parent < 0) {
        tree_->addTopLevelItem(item);
        return;
    }
    // The model keeps siblings in their sorted order; the item goes after those already shown.
    QTreeWidgetItem* parent = items_[static_cast<std::size_t>(entry.parent)];
    int position = 0;
    for (const int sibling :
         model_.directories()[static_cast<std::size_t>(entry.parent)].children) {
        if (sibling == directory) {
            break;
        }
        position += sibling < directory ? 1 : 0;
    }
    parent->insertChild(position, item);
    parent->setExpanded(true);
}

// The model only ever adds directories, so the items of the known ones are kept and the new ones
// are inserted where they sort.
void FileBrowserWindow::addNewDirectories() {
    const int known = static_cast<int>(model_.directories().size());
    if (known < static_cast<int>(items_.size())) {
        tree_->clear();
        items_.clear();
    }
    for (int directory = static_cast<int>(items_.size()); directory < known; ++directory) {
        insertDirectoryItem(directory);
    }
}

// Only the items whose image changed are touched, so a status change does not disturb a click
// the tree is in the middle of.
void FileBrowserWindow::updateFolderImages() {
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const bool open = model_.directories()[index].openImage;
        if (items_[index]->data(0, openRole).toBool() != open) {
            items_[index]->setData(0, openRole, open);
            items_[index]->setIcon(0, open ? openFolder_ : closedFolder_);
        }
    }
}

QIcon FileBrowserWindow::fileIcon(int image) const {
    const bool known = image >= 0 && image < static_cast<int>(fileImages_.size());
    return fileImages_[known ? static_cast<std::size_t>(image) : 0];
}

// The new files came in at the front; only they are measured, and only when longer than any
// name measured before.
void FileBrowserWindow::widenColumnsFor(std::size_t newFiles) {
    const QFontMetrics metrics = files_->fontMetrics();
    int widest = columnWidth_;
    for (std::size_t index = 0; index < newFiles && index < model_.files().size(); ++index) {
        const std::string& name = model_.files()[index].name;
        const std::size_t shown = std::min<std::size_t>(name.size(), longestShownName);
        if (shown > longestMeasured_) {
            longestMeasured_ = shown;
            widest = std::max(widest, metrics.horizontalAdvance(toQString(name.substr(0, shown))));
        }
    }
    if (widest > columnWidth_) {
        columnWidth_ = std::min(widest, widestColumn);
        const int height = std::max(files_->iconSize().height(), metrics.height()) + 4;
        files_->setGridSize(QSize(files_->iconSize().width() + columnWidth_ + 16, height));
    }
}

void FileBrowserWindow::followFiles() {
    const int added = fileNames_->follow();
    if (added < 0) {
        longestMeasured_ = 0;
        columnWidth_ = 0;
        widenColumnsFor(model_.files().size());
    } else if (added > 0) {
        widenColumnsFor(static_cast<std::size_t>(added));
    }
}

void FileBrowserWindow::refresh() {
    addNewDirectories();
    updateFolderImages();
    followFiles();
    statusLine_->setText(toQString(model_.status()));
}

void FileBrowserWindow::openFileMenu(const QPoint& viewportPoint) {
    const std::optional<std::size_t> file = fileNames_->itemOf(files_->indexAt(viewportPoint));
    if (!file) {
        return;
    }
    model_.selectFile(model_.files()[*file].name);
    // Each right click makes its menu afresh for the file it names.
    if (menu_) {
        menu_->deleteLater();
    }
    menu_ = FileCommandMenu::Create(model_, sender_, this);
    menu_->popup(files_->viewport()->mapToGlobal(viewportPoint));
}

void FileBrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int lineHeight = statusLine_->fontMetrics().height();
    const BrowserLayout layout =
        layOutFileBrowser(width(), height(), fileBrowserFrameHeight(lineHeight), lineHeight);
    placeBrowserParts(layout, {tree_, files_, statusFrame_, statusLine_});
}

} // namespace vesk
