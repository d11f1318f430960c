#pragma once

#include <QWidget>

namespace vesk {

class LagMeter;

// The coloured bar under the lag read-out: green turning yellow then red as the last reply
// took longer, full at ten seconds, black behind.
class LagBar : public QWidget {
    Q_OBJECT
public:
    LagBar(const LagMeter& meter, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {145, 8}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LagMeter& meter_;
};

} // namespace vesk
