#include "remote/BrowserPlacement.h"

#include <QWidget>

namespace vesk {
namespace {

void place(QWidget* widget, const LayoutRect& rect) {
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

} // namespace

void placeBrowserParts(const BrowserLayout& layout, const BrowserParts& parts) {
    place(parts.tree, layout.tree);
    place(parts.list, layout.list);
    place(parts.statusFrame, layout.statusFrame);
    place(parts.statusLine, layout.statusLine);
}

} // namespace vesk
