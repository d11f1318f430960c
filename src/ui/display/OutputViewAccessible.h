#pragma once

#include <QAccessibleWidget>

namespace vesk {

class OutputView;

// What a screen reader sees of a text pane: a read-only terminal whose text is the whole
// scroll-back (rows joined by line feeds), read by character, word, line or range; the pane's
// selection as the text's selection; and new text announced as it arrives (OutputView sends
// the insertions). Only the rows asked for are read, so a long scroll-back costs nothing until
// a reader walks it.
class OutputViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit OutputViewAccessible(OutputView* view);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Gives every text pane this interface; the other widgets keep Qt's own.
    static void install();

    // A QAccessibleWidget's own text() would hide the text interface's overloads.
    using QAccessibleWidget::text;

private:
    OutputView& view() const;
    // Reads within one line, so a word or a character never needs the whole text.
    QString withinLine(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                       int* startOffset, int* endOffset) const;

    int caret_ = -1;
};

} // namespace vesk
