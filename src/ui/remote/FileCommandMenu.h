#pragma once

class QMenu;
class QWidget;

namespace vesk {

class CommandSender;
class FileBrowserModel;

// The file list's pop-up menu: "more", then "clone" and "update", then "OED", each naming the
// file last right-clicked. A chosen item goes through the send path like a typed command and is
// remembered in the input history.
class FileCommandMenu {
public:
    static QMenu* Create(FileBrowserModel& model, CommandSender& sender, QWidget* parent);
};

} // namespace vesk
