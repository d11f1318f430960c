#include "display/OutputView.h"

#include "common/AccessibleEvents.h"
#include "common/TextBoundary.h"
#include "display/TextBuffer.h"

#include <QAccessible>
#include <QTimer>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

// Text starts five pixels in from the left edge and keeps two clear of the right one.
constexpr int leftMargin = 5;
constexpr int rightMargin = 2;
// The wheel scrolls ten rows a notch; with Ctrl held a notch is one zoom step.
constexpr int wheelRows = 10;
constexpr int wheelNotch = 120;

// Whether a plain column of a line lies inside the selection.
bool selected(const TextBuffer& buffer, int line, int column) {
    if (buffer.selStartLine < 0 || line < buffer.selStartLine || line > buffer.selEndLine) {
        return false;
    }
    const bool afterStart = line > buffer.selStartLine || column >= buffer.selStartCol;
    const bool beforeEnd = line < buffer.selEndLine || column < buffer.selEndCol;
    return afterStart && beforeEnd;
}

// Glyphs start on whole pixels, as they always have, so their stems stay sharp.
int pixel(double x) {
    return static_cast<int>(std::lround(x));
}

} // namespace

OutputView::OutputView(TextBuffer& buffer, QWidget* parent, TextSelection* sharedSelection)
    : QWidget(parent), buffer_(buffer),
      ownSelection_(sharedSelection ? nullptr : std::make_unique<TextSelection>(buffer)),
      selection_(sharedSelection ? *sharedSelection : *ownSelection_), dropped_(buffer),
      offsets_(buffer), arriving_(buffer), layouts_(buffer, measure_), repaints_([this] {
          updateScrollRange();
          update();
      }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
    // Scroll steps run inside an operation that has prepared the layouts.
    viewport_.setRowCount([this](int line) {
        return line >= 0 && line < buffer_.LineCount() ? layouts_.of(line).rowCount() : 1;
    });
    setTextFont(font());
    arriving_.skipToEnd();
}

OutputView::~OutputView() = default;

void OutputView::setScrollBar(QScrollBar* bar) {
    scrollBar_ = bar;
    connect(bar, &QScrollBar::actionTriggered, this, &OutputView::onScrollBarAction);
    // In a flood the bar follows the text a frame at a time; a thumb taken hold of starts from
    // the text as it is, so dragging it to the bottom reaches the newest line.
    connect(bar, &QScrollBar::sliderPressed, this, &OutputView::updateScrollRange);
    connect(bar, &QScrollBar::sliderMoved, this, [this](int value) {
        if (!updatingScrollBar_) {
            viewport_.scrollTo(value, buffer_.LineCount());
            update();
            emit viewChanged();
        }
    });
    updateScrollBar();
}

void OutputView::setTextFont(const QFont& font) {
    font_ = font;
    measure_.setFont(font_);
    layouts_.forget();
    const QFontMetrics metrics(font_);
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    viewport_.setPage(Viewport::pageFor(height(), lineHeight_));
    updateScrollBar();
    update();
}

void OutputView::setColours(const ColourPalette& palette) {
    colours_ = palette;
    update();
}

void OutputView::refresh() {
    prepareLayouts();
    viewport_.follow(buffer_.LineCount());
    emit viewChanged();
    repaints_.request();
    announceSoon();
}

void OutputView::setAnnounces(bool announces, bool ownCommands) {
    if (announces && !announces_) {
        arriving_.skipToEnd();
    }
    announces_ = announces;
    announceOwnCommands_ = ownCommands;
}

// The receive path reports a change while it still reads (a trigger's echo), before it has
// taken its control lines away again, so the news is gathered at the next turn.
void OutputView::announceSoon() {
    if (!announces_ || announcePending_) {
        return;
    }
    announcePending_ = true;
    QTimer::singleShot(0, this, &OutputView::announce);
}

// Each row's new text is one insertion, at its place in the text a screen reader reads. With
// nobody listening the text only counts as told.
void OutputView::announce() {
    announcePending_ = false;
    followDroppedLines();
    if (!AccessibleEvents::listening()) {
        arriving_.skipToEnd();
        return;
    }
    for (const ArrivedText& arrived : arriving_.take()) {
        if (arrived.echoed && !announceOwnCommands_) {
            continue;
        }
        QAccessibleTextInsertEvent event(this, offsets_.offsetOf(arrived.start),
                                         toQString(arrived.text));
        AccessibleEvents::deliver(event);
    }
}

double OutputView::availableWidth() const {
    return width() - leftMargin - rightMargin;
}

void OutputView::prepareLayouts() {
    layouts_.prepare(availableWidth());
    viewport_.setPage(Viewport::pageFor(height(), lineHeight_));
    followDroppedLines();
}

// Lines dropped off the top since the last look: a scrolled-back view keeps its text, the
// screen reader's offsets are worked out again and its next news starts at the same text.
void OutputView::followDroppedLines() {
    const int dropped = dropped_.sinceLastLook();
    if (dropped > 0) {
        viewport_.linesDropped(dropped);
        arriving_.linesDropped(dropped);
        offsets_.invalidateFrom(0);
    }
}

int OutputView::displayRowsOf(int line) {
    prepareLayouts();
    return line >= 0 && line < buffer_.LineCount() ? layouts_.of(line).rowCount() : 1;
}

void OutputView::scrollBy(void (Viewport::*step)(int)) {
    prepareLayouts();
    (viewport_.*step)(buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::scrollToLine(int line) {
    prepareLayouts();
    viewport_.scrollToLine(line, buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::scrollToEnd() {
    viewport_.scrollToEnd(buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::clear() {
    selection_.clear();
    buffer_.Clear();
    offsets_.invalidateFrom(0);
    arriving_.skipToEnd();
    viewport_.reset();
    viewport_.follow(buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::selectAll() {
    selection_.selectAll();
    update();
}

void OutputView::onScrollBarAction(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return lineUp();
    case QAbstractSlider::SliderSingleStepAdd:
        return lineDown();
    case QAbstractSlider::SliderPageStepSub:
        return pageUp();
    case QAbstractSlider::SliderPageStepAdd:
        return pageDown();
    default:
        break;
    }
}

// The bar counts stored lines: its value is the bottom line's index plus one.
void OutputView::updateScrollRange() {
    if (!scrollBar_) {
        return;
    }
    updatingScrollBar_ = true;
    const int lines = buffer_.LineCount();
    // Qt's range ends at the thumb's top; the thumb's bottom reaches the last line at `lines`.
    scrollBar_->setRange(0, std::max(1, lines));
    scrollBar_->setPageStep(std::max(1, viewport_.page()));
    scrollBar_->setSingleStep(1);
    scrollBar_->setValue(viewport_.position());
    updatingScrollBar_ = false;
}

void OutputView::updateScrollBar() {
    updateScrollRange();
    emit viewChanged();
}

void OutputView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    viewport_.setPage(Viewport::pageFor(height(), lineHeight_));
    updateScrollBar();
}

// From the bottom row up until the rows leave the pane; the topmost may be cut by the edge.
std::vector<OutputView::ScreenRow> OutputView::visibleRows() {
    std::vector<ScreenRow> rows;
    if (buffer_.empty()) {
        return rows;
    }
    int line = std::clamp(viewport_.position() - 1, 0, buffer_.lastIndex());
    const int bottomRows = layouts_.of(line).rowCount();
    int row = bottomRows - 1 - std::min(viewport_.rowsBelow(), bottomRows - 1);
    for (int top = Viewport::bottomRowTop(height(), lineHeight_); top + lineHeight_ > 0;
         top -= lineHeight_) {
        rows.push_back({line, row, top});
        if (--row < 0) {
            if (--line < 0) {
                break;
            }
            row = layouts_.of(line).rowCount() - 1;
        }
    }
    return rows;
}

void OutputView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colours_.background);
    painter.setFont(font_);
    prepareLayouts();
    for (const ScreenRow& row : visibleRows()) {
        paintRow(painter, row);
    }
}

void OutputView::paintRow(QPainter& painter, const ScreenRow& screenRow) {
    const LineLayout& layout = layouts_.of(screenRow.line);
    const int from = layout.rowStart(screenRow.row);
    const int to = layout.rowEnd(screenRow.row);
    const bool lastRow = screenRow.row + 1 == layout.rowCount();
    const double origin = leftMargin - layout.cellLeft(from);
    for (const LaidOutRun& run : layout.runs()) {
        if (!run.isTab()) {
            const int start = std::max(run.plainStart, from);
            const int stop = std::min(run.plainStart + run.plainLength, to);
            if (start < stop) {
                paintRun(painter, run, screenRow.line, start, stop, origin, screenRow.top);
            }
            continue;
        }
        // A tab draws nothing but its background; it belongs to the column that follows it.
        const int column = run.plainStart;
        const bool inRow = (column >= from && column < to) || (lastRow && column == to);
        if (inRow && selected(buffer_, screenRow.line, column)) {
            const int left = pixel(origin + run.left);
            painter.fillRect(left, screenRow.top,
                             pixel(origin + run.left + measure_.tabWidth()) - left, lineHeight_,
                             colours_.selection);
        }
    }
}

// Columns [from, to) of a run, cut where the selection starts or ends inside them.
void OutputView::paintRun(QPainter& painter, const LaidOutRun& run, int line, int from, int to,
                          double origin, int top) {
    const LineLayout& layout = layouts_.of(line);
    for (int column = from; column < to;) {
        const bool inSelection = selected(buffer_, line, column);
        int end = column + 1;
        while (end < to && selected(buffer_, line, end) == inSelection) {
            ++end;
        }
        const int first = run.offsetOf(column - run.plainStart);
        const int last = run.offsetOf(end - run.plainStart);
        const int left = pixel(origin + layout.glyphLeft(column));
        if (inSelection) {
            painter.fillRect(left, top, pixel(origin + layout.cellLeft(end)) - left, lineHeight_,
                             colours_.selection);
        }
        painter.setPen(inSelection ? colours_.selectedText() : colours_.text(run.colour));
        painter.drawText(left, top + ascent_, run.text.mid(first, last - first));
        column = end;
    }
}

std::optional<OutputView::Spot> OutputView::spotAt(QPoint point) {
    prepareLayouts();
    const std::vector<ScreenRow> rows = visibleRows();
    // Below the bottom row is on the bottom row; above the top one is on none.
    const auto hit = std::find_if(rows.begin(), rows.end(),
                                  [&](const ScreenRow& row) { return point.y() >= row.top; });
    if (hit == rows.end()) {
        return std::nullopt;
    }
    const LineLayout& layout = layouts_.of(hit->line);
    const int from = layout.rowStart(hit->row);
    const int to = layout.rowEnd(hit->row);
    const double x = point.x() - leftMargin + layout.cellLeft(from);
    int column = from;
    while (column < to && x >= layout.cellLeft(column + 1)) {
        ++column;
    }
    int boundary = column;
    if (column < to && x >= (layout.glyphLeft(column) + layout.cellLeft(column + 1)) / 2) {
        ++boundary;
    }
    return Spot{hit->line, column, boundary, to};
}

std::optional<QRect> OutputView::characterRect(TextPosition position) {
    prepareLayouts();
    for (const ScreenRow& row : visibleRows()) {
        const LineLayout& layout = layouts_.of(row.line);
        const int from = layout.rowStart(row.row);
        const int to = layout.rowEnd(row.row);
        if (row.line != position.line || position.column < from || position.column > to ||
            position.column >= layout.columns()) {
            continue;
        }
        const double origin = leftMargin - layout.cellLeft(from);
        const int left = pixel(origin + layout.cellLeft(position.column));
        const int right = pixel(origin + layout.cellLeft(position.column + 1));
        return QRect(left, row.top, std::max(1, right - left), lineHeight_);
    }
    return std::nullopt;
}

std::optional<TextPosition> OutputView::hitTest(QPoint point) {
    const auto spot = spotAt(point);
    if (!spot) {
        return std::nullopt;
    }
    return TextPosition{spot->line, spot->column};
}

std::optional<TextPosition> OutputView::boundaryAt(QPoint point) {
    const auto spot = spotAt(point);
    if (!spot) {
        return std::nullopt;
    }
    return TextPosition{spot->line, spot->boundary};
}

std::optional<std::string> OutputView::wordAt(QPoint point, std::string_view delimiters) {
    const auto spot = spotAt(point);
    if (!spot || spot->column >= spot->rowEnd) {
        return std::nullopt;
    }
    const auto plain = buffer_.getPlainCharacters(spot->line);
    if (!plain) {
        return std::nullopt;
    }
    return WordAt(*plain, spot->column, delimiters);
}

void OutputView::beginSelection(QPoint point) {
    selection_.begin(boundaryAt(point));
    update();
    emit selectionChanged();
}

void OutputView::dragSelection(QPoint point) {
    if (selection_.dragging()) {
        selection_.drag(boundaryAt(point));
        update();
        emit selectionChanged();
    }
}

void OutputView::endSelection(QPoint point) {
    if (!selection_.dragging()) {
        return;
    }
    selection_.end(rect().contains(point) ? boundaryAt(point) : std::nullopt);
    update();
    emit selectionChanged();
    emit selectionFinished();
}

void OutputView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftPressed();
        beginSelection(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        emit menuRequested(event->position().toPoint());
    }
}

void OutputView::mouseMoveEvent(QMouseEvent* event) {
    dragSelection(event->position().toPoint());
}

void OutputView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        endSelection(event->position().toPoint());
    }
}

// Ten rows a notch, up or down; with Ctrl held the text grows or shrinks instead.
void OutputView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        zoomWheelDelta_ += delta;
        const int steps = zoomWheelDelta_ / wheelNotch;
        zoomWheelDelta_ -= steps * wheelNotch;
        if (steps != 0) {
            emit zoomRequested(steps);
        }
        event->accept();
        return;
    }
    if (!wheelScrolls_) {
        return;
    }
    prepareLayouts();
    if (delta > 0) {
        viewport_.rowsUp(wheelRows, buffer_.LineCount());
    } else {
        viewport_.rowsDown(wheelRows, buffer_.LineCount());
    }
    updateScrollBar();
    update();
}

} // namespace vesk
