#pragma once

#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class QFrame;
class QLabel;
class QListView;
class QTreeWidget;
class QTreeWidgetItem;

namespace vesk {

class CommandSender;
class FileBrowserModel;
class NameListModel;

// The "Vesk File Browser": the server's directory tree as far as it has been listed, the files
// of the open directory and the status line. Choosing a directory asks for its subdirectories,
// double-clicking it for its files; a right click on a file offers the server's file commands,
// which go out through the player's send path and are remembered in the input history.
class FileBrowserWindow : public QWidget {
    Q_OBJECT

public:
    FileBrowserWindow(FileBrowserModel& model, CommandSender& sender, QWidget* parent = nullptr);

    // The "&File Browser" command: starts the model's browser on first use, then shows the window.
    void showBrowser();
    // Brings the tree, the file list and the status line up to date with the model, in time
    // linear in what changed: new files are added at the top, the files listed stay as they
    // are.
    void refresh();
    // The right click on the file list, at a point of its viewport: opens the file menu there
    // when a file is under it.
    void openFileMenu(const QPoint& viewportPoint);

    QTreeWidget* directoryTree() const { return tree_; }
    QListView* fileList() const { return files_; }
    QLabel* statusLine() const { return statusLine_; }
    // The pop-up menu last opened, or null.
    QMenu* fileMenu() const { return menu_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpFileList();
    int directoryOf(const QTreeWidgetItem* item) const;
    void onDirectorySelected();
    void onDirectoryDoubleClicked(QTreeWidgetItem* item);
    void addNewDirectories();
    void insertDirectoryItem(int directory);
    void updateFolderImages();
    void followFiles();
    void widenColumnsFor(std::size_t newFiles);
    QIcon fileIcon(int image) const;

    FileBrowserModel& model_;
    CommandSender& sender_;
    QIcon closedFolder_;
    QIcon openFolder_;
    std::array<QIcon, 3> fileImages_; // plain, source, header
    QTreeWidget* tree_;
    QListView* files_;
    NameListModel* fileNames_;
    // Every column of the list is as wide as the widest name seen (up to a bound); the longest
    // name measured so far, in bytes, so only a longer one is measured again.
    std::size_t longestMeasured_ = 0;
    int columnWidth_ = 0;
    QFrame* statusFrame_;
    QLabel* statusLine_;
    QPointer<QMenu> menu_;
    // The tree item of each directory of the model, by the model's index.
    std::vector<QTreeWidgetItem*> items_;
};

} // namespace vesk
