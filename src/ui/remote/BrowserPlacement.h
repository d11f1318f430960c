#pragma once

#include "remote/BrowserLayout.h"

class QWidget;

namespace vesk {

// The four parts both browser windows share, placed where the core's layout puts them.
struct BrowserParts {
    QWidget* tree;
    QWidget* list;
    QWidget* statusFrame;
    QWidget* statusLine;
};

void placeBrowserParts(const BrowserLayout& layout, const BrowserParts& parts);

} // namespace vesk
