#pragma once

#include "TestApplication.h"
#include "display/ColourPalette.h"
#include "display/OutputView.h"
#include "display/TextBuffer.h"
#include "settings/Settings.h"

#include <QFontMetricsF>
#include <QImage>

#include <optional>
#include <string>

namespace vesk::uitest {

// An output view on a buffer of its own, drawn with the test font in the default colours, and
// the pixels of its character cells.
struct ViewRig {
    TextBuffer buffer;
    OutputView view{buffer};

    explicit ViewRig(int width = 600, int height = 200) {
        view.setTextFont(testFixedFont());
        view.setColours(ColourPalette::fromSettings(Settings()));
        view.resize(width, height);
    }

    void add(const std::string& text) {
        buffer.AddString(text);
        view.refresh();
    }

    double advance() const { return QFontMetricsF(view.textFont()).horizontalAdvance('M'); }

    // A character cell of a display row, counted from the bottom row (0), by its column within
    // that row; a pixel narrower on each side so a neighbour's edge does not count.
    QRect cell(int column, int rowFromBottom = 0) const {
        const int height = view.lineHeight();
        const int top = Viewport::bottomRowTop(view.height(), height) - rowFromBottom * height;
        const double left = 5 + column * advance();
        return QRect(static_cast<int>(left) + 1, top, static_cast<int>(advance()) - 1, height);
    }
    QPoint centre(int column, int rowFromBottom = 0) const {
        const QRect box = cell(column, rowFromBottom);
        return {box.left() + box.width() / 2, box.top() + box.height() / 2};
    }

    static bool has(const QImage& image, const QRect& box, const QColor& colour) {
        for (int y = std::max(0, box.top()); y <= box.bottom() && y < image.height(); ++y) {
            for (int x = std::max(0, box.left()); x <= box.right() && x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    bool cellHas(int column, const QColor& colour, int rowFromBottom = 0) {
        return has(view.grab().toImage(), cell(column, rowFromBottom), colour);
    }
    // Whether anything but the background is drawn in a box.
    static bool inked(const QImage& image, const QRect& box) {
        for (int y = std::max(0, box.top()); y <= box.bottom() && y < image.height(); ++y) {
            for (int x = std::max(0, box.left()); x <= box.right() && x < image.width(); ++x) {
                if (image.pixelColor(x, y) != QColor(0, 0, 0)) {
                    return true;
                }
            }
        }
        return false;
    }
    // The whole display row, from the left margin to the right edge.
    QRect row(int rowFromBottom) const {
        const QRect first = cell(0, rowFromBottom);
        return QRect(0, first.top(), view.width(), first.height());
    }

    // The point of the pane that shows a line's column, found through the view's own hit test.
    std::optional<QPoint> pointOf(TextPosition position) {
        for (int rowFromBottom = 0; rowFromBottom < 40; ++rowFromBottom) {
            for (int column = 0; column < 200; ++column) {
                const QPoint point = centre(column, rowFromBottom);
                if (point.y() < 0 || point.x() >= view.width()) {
                    break;
                }
                if (view.hitTest(point) == position) {
                    return point;
                }
            }
        }
        return std::nullopt;
    }
};

} // namespace vesk::uitest
