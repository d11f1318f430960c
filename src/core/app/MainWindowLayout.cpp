#include "app/MainWindowLayout.h"

namespace vesk {

namespace {

int statusWidthFor(const MainLayoutInput& in) {
    const int width = in.statusNarrow ? statusPaneWidth / 2 : statusPaneWidth;
    return width + (in.statusScrollShown ? scrollBarWidth : 0);
}

void placeChat(const MainLayoutInput& in, MainLayout& layout, int textX, int textWidth) {
    if (!in.chatOpen) {
        return;
    }
    const int chatHeight = in.chatLines * in.lineHeight;
    layout.output.height -= chatHeight;
    int chatTop = layout.output.y + layout.output.height;
    if (in.chatLocation == 1) {
        chatTop = layout.output.y;
        layout.output.y += chatHeight;
    }
    layout.chat = {textX, chatTop, textWidth - scrollBarWidth, chatHeight};
    layout.chatScroll = {textX + textWidth - scrollBarWidth, chatTop, scrollBarWidth, chatHeight};
}

} // namespace

MainLayout layoutMainWindow(const MainLayoutInput& in) {
    MainLayout layout;
    const int margin = in.maximised ? 0 : 1;
    const int statusWidth = statusWidthFor(in);
    const int statusScroll = in.statusScrollShown ? scrollBarWidth : 0;
    layout.inputHeight = in.fontHeight + in.fontHeight / 2 + 2;
    layout.statusDocked = in.statusOpen && !in.statusMoveable;

    const int width = in.clientWidth, height = in.clientHeight;
    const int textWidth =
        layout.statusDocked ? width - 2 * margin - statusWidth - 10 : width - 2 * margin;
    const int inputTop = height - layout.inputHeight - margin;
    layout.output = {0, margin, 0, inputTop - margin - 2};

    int statusHeight = height - 2 * margin;
    if (in.lagMeter && layout.statusDocked) {
        statusHeight -= layout.inputHeight;
    }
    const bool statusAtLeft = in.statusLeft && layout.statusDocked;
    const int textX = statusAtLeft ? statusWidth + 2 * margin + 10 : margin;
    const int statusX = statusAtLeft ? margin : width - statusWidth - margin;
    layout.output.x = textX;
    layout.output.width = textWidth - scrollBarWidth;
    placeChat(in, layout, textX, textWidth);

    layout.input = {textX, inputTop, textWidth, layout.inputHeight};
    layout.outputScroll = {textX + textWidth - scrollBarWidth, layout.output.y, scrollBarWidth,
                           layout.output.height};
    layout.status = {statusX, margin, statusWidth - statusScroll, statusHeight};
    layout.statusScroll = {statusX + statusWidth - statusScroll, margin, statusScroll,
                           statusHeight};
    layout.lagReadout = {statusX, inputTop, statusWidth, in.lagReadoutHeight};
    layout.lagBar = {statusX, inputTop + in.lagReadoutHeight + 2, statusWidth, in.lagBarHeight + 2};
    return layout;
}

} // namespace vesk
