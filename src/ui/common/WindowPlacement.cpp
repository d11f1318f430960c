#include "common/WindowPlacement.h"

#include "settings/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vesk {
namespace {

// The part of a window's top edge that must be on a screen for the player to reach its title
// bar: the full height of a title bar, and at least this much of its width.
constexpr int titleStripHeight = 24;
constexpr int titleStripWidth = 64;

bool titleReachable(const QRect& window, const QRect& screen) {
    const QRect strip(window.topLeft(),
                      QSize(window.width(), std::min(window.height(), titleStripHeight)));
    const QRect common = screen.intersected(strip);
    return common.height() == strip.height() &&
           common.width() >= std::min(window.width(), titleStripWidth);
}

long long overlap(const QRect& window, const QRect& screen) {
    const QRect common = window.intersected(screen);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

long long distanceSquared(const QRect& window, const QRect& screen) {
    const QPoint apart = window.center() - screen.center();
    return static_cast<long long>(apart.x()) * apart.x() +
           static_cast<long long>(apart.y()) * apart.y();
}

// The screen the window belongs on: the one it overlaps most, or without any overlap the one
// whose centre is nearest.
QRect nearestScreen(const QRect& window, const QList<QRect>& screens) {
    QRect best = screens.front();
    for (const QRect& screen : screens) {
        const long long mine = overlap(window, screen);
        const long long theirs = overlap(window, best);
        if (mine > theirs || (mine == theirs && mine == 0 &&
                              distanceSquared(window, screen) < distanceSquared(window, best))) {
            best = screen;
        }
    }
    return best;
}

QSize frameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

} // namespace

QRect WindowPlacement::onVisibleScreen(const QRect& recorded, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return recorded;
    }
    for (const QRect& screen : screens) {
        if (titleReachable(recorded, screen)) {
            return recorded;
        }
    }
    return insideScreen(recorded, screens);
}

QRect WindowPlacement::insideScreen(const QRect& window, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return window;
    }
    const QRect screen = nearestScreen(window, screens);
    QRect placed(window.topLeft(), window.size().boundedTo(screen.size()));
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

QList<QRect> WindowPlacement::screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas << screen->availableGeometry();
    }
    return areas;
}

QRect WindowPlacement::recorded(const Settings& settings, const Keys& keys) {
    return {settings.number(keys.location, 0), settings.number(keys.location, 1),
            settings.number(keys.dimensions, 0), settings.number(keys.dimensions, 1)};
}

void WindowPlacement::restore(QWidget& window, const Settings& settings, const Keys& keys) {
    restore(window, recorded(settings, keys), keys.size);
}

void WindowPlacement::restore(QWidget& window, const QRect& recorded, Size size) {
    // The check is made on the whole window: an inner size is grown by the frame when the
    // frame is known.
    const QSize extra = frameExtra(window);
    QRect outer = recorded;
    if (size == Size::Inner) {
        outer.setSize(recorded.size() + extra);
    }
    const QRect placed = onVisibleScreen(outer, screenAreas());
    window.move(placed.topLeft());
    window.resize((placed.size() - extra).expandedTo(QSize(1, 1)));
}

void WindowPlacement::record(const QWidget& window, Settings& settings, const Keys& keys) {
    const QSize size = keys.size == Size::Outer ? window.frameGeometry().size() : window.size();
    settings.setNumber(keys.location, window.pos().x(), 0);
    settings.setNumber(keys.location, window.pos().y(), 1);
    settings.setNumber(keys.dimensions, size.width(), 0);
    settings.setNumber(keys.dimensions, size.height(), 1);
}

} // namespace vesk
