#include "display/OutputViewAccessible.h"

#include "common/TextBoundary.h"
#include "display/OutputView.h"
#include "display/TextBuffer.h"

#include <algorithm>
#include <tuple>

namespace vesk {
namespace {

// One row's text on its own, so Qt's own reading by character, word and sentence works on the
// row alone instead of on the whole scroll-back.
class RowText : public QAccessibleTextInterface {
public:
    explicit RowText(QString text) : text_(std::move(text)) {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return text_.mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int*, int*) const override { return {}; }

private:
    QString text_;
};

QAccessibleInterface* textPaneFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vesk::OutputView") && object && object->isWidgetType()) {
        return new OutputViewAccessible(static_cast<OutputView*>(object));
    }
    return nullptr;
}

} // namespace

OutputViewAccessible::OutputViewAccessible(OutputView* view)
    : QAccessibleWidget(view, QAccessible::Terminal) {}

void OutputViewAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(textPaneFactory);
        return true;
    }();
    (void)installed;
}

OutputView& OutputViewAccessible::view() const {
    return *static_cast<OutputView*>(widget());
}

void* OutputViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State OutputViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void OutputViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const TextBuffer& buffer = view().buffer();
    if (selectionIndex != 0 || buffer.selStartLine < 0) {
        *startOffset = *endOffset = 0;
        return;
    }
    TextOffsets& offsets = view().offsets();
    *startOffset = offsets.offsetOf({buffer.selStartLine, buffer.selStartCol});
    *endOffset = offsets.offsetOf({buffer.selEndLine, buffer.selEndCol});
}

int OutputViewAccessible::selectionCount() const {
    return view().buffer().selStartLine >= 0 ? 1 : 0;
}

void OutputViewAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void OutputViewAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        view().selection().clear();
        view().update();
    }
}

void OutputViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) {
        return;
    }
    TextOffsets& offsets = view().offsets();
    const TextPosition from = offsets.positionOf(std::min(startOffset, endOffset));
    const TextPosition to = offsets.positionOf(std::max(startOffset, endOffset));
    TextBuffer& buffer = view().buffer();
    view().selection().clear();
    buffer.selStartLine = from.line;
    buffer.selStartCol = from.column;
    buffer.selEndLine = to.line;
    buffer.selEndCol = to.column;
    view().update();
}

// No caret is drawn; a reader's caret rests at the newest text until it is moved.
int OutputViewAccessible::cursorPosition() const {
    const int count = characterCount();
    return caret_ < 0 ? count : std::min(caret_, count);
}

void OutputViewAccessible::setCursorPosition(int position) {
    caret_ = position;
    scrollToSubstring(position, position);
}

QString OutputViewAccessible::text(int startOffset, int endOffset) const {
    return toQString(view().offsets().text(startOffset, endOffset));
}

int OutputViewAccessible::characterCount() const {
    return view().offsets().characterCount();
}

// A line is a line of the scroll-back with its line feed (a wrapped line is one); before and
// after are the lines beside it. Words and characters are read within the line.
QString OutputViewAccessible::withinLine(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int step, int* startOffset, int* endOffset) const {
    TextOffsets& offsets = view().offsets();
    const int rows = view().buffer().LineCount();
    *startOffset = *endOffset = offset;
    if (rows == 0) {
        return {};
    }
    auto [first, last] = offsets.lineAround(offsets.positionOf(offset).line);
    const bool whole =
        boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary;
    if (whole && step != 0) {
        if ((step < 0 && first == 0) || (step > 0 && last + 1 >= rows)) {
            return {};
        }
        std::tie(first, last) = offsets.lineAround(step < 0 ? first - 1 : last + 1);
    }
    const int lineStart = offsets.rowStart(first);
    const int lineEnd = last + 1 >= rows ? offsets.characterCount() : offsets.rowStart(last + 1);
    const QString lineText = toQString(offsets.text(lineStart, lineEnd));
    if (whole) {
        *startOffset = lineStart;
        *endOffset = lineEnd;
        return lineText;
    }
    const RowText reading(lineText);
    const int local = std::clamp(offset - lineStart, 0, static_cast<int>(lineText.size()));
    int start = 0;
    int end = 0;
    const QString found = step < 0   ? reading.textBeforeOffset(local, boundaryType, &start, &end)
                          : step > 0 ? reading.textAfterOffset(local, boundaryType, &start, &end)
                                     : reading.textAtOffset(local, boundaryType, &start, &end);
    *startOffset = lineStart + start;
    *endOffset = lineStart + end;
    return found;
}

QString OutputViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                               int* startOffset, int* endOffset) const {
    if (type == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = offset;
        return text(0, offset);
    }
    return withinLine(offset, type, -1, startOffset, endOffset);
}

QString OutputViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                              int* startOffset, int* endOffset) const {
    if (type == QAccessible::NoBoundary) {
        *startOffset = offset;
        *endOffset = characterCount();
        return text(offset, *endOffset);
    }
    return withinLine(offset, type, 1, startOffset, endOffset);
}

QString OutputViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type,
                                           int* startOffset, int* endOffset) const {
    if (type == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = characterCount();
        return text(0, *endOffset);
    }
    return withinLine(offset, type, 0, startOffset, endOffset);
}

QRect OutputViewAccessible::characterRect(int offset) const {
    const auto rect = view().characterRect(view().offsets().positionOf(offset));
    if (!rect) {
        return {};
    }
    return QRect(view().mapToGlobal(rect->topLeft()), rect->size());
}

int OutputViewAccessible::offsetAtPoint(const QPoint& point) const {
    const auto position = view().hitTest(view().mapFromGlobal(point));
    return position ? view().offsets().offsetOf(*position) : -1;
}

void OutputViewAccessible::scrollToSubstring(int startIndex, int) {
    view().scrollToLine(view().offsets().positionOf(startIndex).line);
}

QString OutputViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace vesk
