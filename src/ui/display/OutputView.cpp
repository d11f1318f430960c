#include "display/OutputView.h"

#include "display/TextBuffer.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace vesk {

namespace {

// Text starts five pixels in from the left edge.
constexpr int leftMargin = 5;

} // namespace

OutputView::OutputView(TextBuffer& buffer, QWidget* parent)
    : QWidget(parent), buffer_(buffer), selection_(buffer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
    setTextFont(font());
}

void OutputView::setScrollBar(QScrollBar* bar) {
    scrollBar_ = bar;
    connect(bar, &QScrollBar::actionTriggered, this, &OutputView::onScrollBarAction);
    connect(bar, &QScrollBar::sliderMoved, this, [this](int value) {
        if (!updatingScrollBar_) {
            viewport_.scrollTo(value, buffer_.LineCount());
            update();
        }
    });
    updateScrollBar();
}

void OutputView::setTextFont(const QFont& font) {
    font_ = font;
    const QFontMetrics metrics(font_);
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    viewport_.setPage(Viewport::PageFor(height(), lineHeight_));
    updateScrollBar();
    update();
}

void OutputView::setColours(const ColourPalette& palette) {
    colours_ = palette;
    update();
}

void OutputView::refresh() {
    viewport_.follow(buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::scrollBy(void (Viewport::*step)(int)) {
    viewport_.setPage(Viewport::PageFor(height(), lineHeight_));
    (viewport_.*step)(buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::scrollToLine(int line) {
    viewport_.setPage(Viewport::PageFor(height(), lineHeight_));
    viewport_.scrollToLine(line, buffer_.LineCount());
    updateScrollBar();
    update();
}

void OutputView::clear() {
    selection_.clear();
    buffer_.Clear();
    viewport_.reset();
    viewport_.follow(buffer_.LineCount());
    updateScrollBar();
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

void OutputView::updateScrollBar() {
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

void OutputView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    viewport_.setPage(Viewport::PageFor(height(), lineHeight_));
    updateScrollBar();
}

void OutputView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colours_.background);
    painter.setFont(font_);
    viewport_.setPage(Viewport::PageFor(height(), lineHeight_));
    const int bottomIndex = std::max(0, viewport_.position() - 1);
    int top = Viewport::bottomRowTop(height(), lineHeight_);
    int rowsAbove = 0;
    while (bottomIndex - rowsAbove > 0 && top >= 0) {
        ++rowsAbove;
        top -= lineHeight_;
    }
    SgrState state;
    for (int index = bottomIndex - rowsAbove; index <= bottomIndex && top < height(); ++index) {
        if (index < buffer_.LineCount()) {
            state = paintLine(painter, index, top, state);
        }
        top += lineHeight_;
    }
}

SgrState OutputView::paintLine(QPainter& painter, int lineIndex, int top, SgrState state) {
    const SgrState next = ColourRuns::read(buffer_.line(lineIndex).text, state, runs_);
    int x = leftMargin;
    for (const ColourRun& run : runs_) {
        paintRun(painter, run, lineIndex, x, top);
    }
    return next;
}

// Whether a plain column of a line lies inside the selection.
static bool selected(const TextBuffer& buffer, int line, int column) {
    if (buffer.selStartLine < 0 || line < buffer.selStartLine || line > buffer.selEndLine) {
        return false;
    }
    const bool afterStart = line > buffer.selStartLine || column >= buffer.selStartCol;
    const bool beforeEnd = line < buffer.selEndLine || column < buffer.selEndCol;
    return afterStart && beforeEnd;
}

void OutputView::paintRun(QPainter& painter, const ColourRun& run, int lineIndex, int& x, int top) {
    const QFontMetrics metrics(font_);
    // A run is cut where the selection starts or ends inside it; a tab belongs to the column
    // that follows it.
    std::size_t offset = 0;
    while (offset < run.text.size()) {
        const int column = run.plainStart + (run.plainLength == 0 ? 0 : static_cast<int>(offset));
        const bool inSelection = selected(buffer_, lineIndex, column);
        std::size_t length = run.text.size() - offset;
        if (run.plainLength > 0) {
            length = 1;
            while (offset + length < run.text.size() &&
                   selected(buffer_, lineIndex, column + static_cast<int>(length)) == inSelection) {
                ++length;
            }
        }
        const QString piece =
            QString::fromLatin1(run.text.data() + offset, static_cast<qsizetype>(length));
        const int width = metrics.horizontalAdvance(piece);
        painter.fillRect(x, top, width, lineHeight_,
                         inSelection ? colours_.selection : colours_.background);
        painter.setPen(inSelection ? colours_.selectedText()
                                   : colours_.text(run.colour.colourIndex, run.colour.bold));
        painter.drawText(x, top + ascent_, piece);
        x += width;
        offset += length;
    }
}

int OutputView::columnAt(int lineIndex, int x) const {
    ColourRuns::read(buffer_.line(lineIndex).text, {}, runs_);
    const QFontMetrics metrics(font_);
    int left = leftMargin;
    int plainLength = 0;
    for (const ColourRun& run : runs_) {
        plainLength = run.plainStart + run.plainLength;
        if (run.plainLength == 0) {
            left += metrics.horizontalAdvance(QString::fromLatin1(run.text.c_str()));
            continue;
        }
        for (int index = 0; index < run.plainLength; ++index) {
            const int right = left + metrics.horizontalAdvance(QLatin1Char(run.text[index]));
            if (x < right) {
                return run.plainStart + index;
            }
            left = right;
        }
    }
    return plainLength;
}

std::optional<TextPosition> OutputView::hitTest(QPoint point) const {
    const auto line = viewport_.lineAt(point.y(), height(), lineHeight_);
    if (!line || *line >= buffer_.LineCount()) {
        return std::nullopt;
    }
    return TextPosition{*line, columnAt(*line, point.x())};
}

std::optional<std::string> OutputView::wordAt(QPoint point, std::string_view delimiters) const {
    const auto position = hitTest(point);
    if (!position) {
        return std::nullopt;
    }
    const auto plain = buffer_.GetPlainLine(position->line);
    if (!plain) {
        return std::nullopt;
    }
    return WordAt(*plain, position->column, delimiters);
}

void OutputView::beginSelection(QPoint point) {
    selection_.begin(hitTest(point));
    update();
}

void OutputView::dragSelection(QPoint point) {
    if (selection_.dragging()) {
        selection_.drag(hitTest(point));
        update();
    }
}

void OutputView::endSelection(QPoint point) {
    if (!selection_.dragging()) {
        return;
    }
    selection_.end(rect().contains(point) ? hitTest(point) : std::nullopt);
    update();
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

// Ten lines a notch, up or down.
void OutputView::wheelEvent(QWheelEvent* event) {
    if (!wheelScrolls_) {
        return;
    }
    const bool up = event->angleDelta().y() > 0;
    for (int step = 0; step < 10; ++step) {
        (viewport_.*(up ? &Viewport::lineUp : &Viewport::lineDown))(buffer_.LineCount());
    }
    updateScrollBar();
    update();
}

} // namespace vesk
