#pragma once

#include <QIcon>
#include <QWidget>

class QFrame;
class QLabel;
class QListView;
class QModelIndex;
class QTreeWidget;

namespace vesk {

class HelpBrowserModel;
class NameListModel;

// The "FenmarchMUD Help" window: the fixed help categories on the left, the topics the server
// listed for the chosen one on the right, the model's status line underneath. Choosing a
// category or double-clicking a topic is handed to the model, which asks the server; the page
// itself goes to the player's help editor, not to this window.
class HelpBrowserWindow : public QWidget {
    Q_OBJECT

public:
    HelpBrowserWindow(HelpBrowserModel& model, QWidget* parent = nullptr);

    // The help menu command: shows the window when connected; otherwise the model has told the
    // player to connect first and the window stays as it was.
    void showFromMenu();
    // Brings the topics and the status line up to date with the model: the topic list only when
    // a new one came, so the status line's dots of a page being captured cost nothing else.
    void refresh();

    QTreeWidget* categoryTree() const { return tree_; }
    QListView* topicList() const { return topics_; }
    QLabel* statusLine() const { return statusLine_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillCategories();
    void onCategorySelected();
    void onTopicDoubleClicked(const QModelIndex& index);

    HelpBrowserModel& model_;
    QIcon topicIcon_;
    QTreeWidget* tree_;
    QListView* topics_;
    NameListModel* topicNames_;
    QFrame* statusFrame_;
    QLabel* statusLine_;
};

} // namespace vesk
