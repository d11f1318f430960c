#pragma once

#include <QIcon>

namespace vesk {

// The small pictures of the help and file browsers, drawn in code on a 16 by 16 grid and
// rendered at several sizes so they stay crisp on high-density screens. Each call paints them
// afresh; a window asks once and keeps them.
class BrowserIcons {
public:
    static QIcon closedFolder();
    static QIcon openFolder();
    static QIcon plainFile();
    static QIcon sourceFile();
    static QIcon headerFile();
    // A closed book, and an open one while the category is selected.
    static QIcon helpCategory();
    static QIcon helpTopic();
};

} // namespace vesk
