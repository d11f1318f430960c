#pragma once

#include <QScrollBar>

namespace vesk {

// The vertical scroll bar beside a status view. Its thumb shows how much of the contents the
// view holds, while the arrows move 20 pixels and a click beside the thumb 80, whatever the
// view's height. The wheel over the view scrolls it too.
class StatusScrollBar : public QScrollBar {
    Q_OBJECT
public:
    static constexpr int lineStep = 20;
    static constexpr int pageJump = 80;

    explicit StatusScrollBar(QWidget* parent = nullptr);

    // Sets the range for contents of this height shown in a view of the client height and
    // returns whether the contents are taller than the view, that is, whether the bar is needed.
    bool setContent(int contentHeight, int clientHeight);
    // Wheel turns over this widget scroll the bar.
    void followWheelOf(QWidget* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void jumpPage(int action);
};

} // namespace vesk
