#pragma once

#include <QFont>
#include <QLabel>

namespace vesk {

// The lag read-out ("Lag-o-Meter: 0.250 s"). The narrow status layout gives it half the
// usual width, where the reading at the usual font size would be cut off; the read-out then
// draws with a font just small enough to show the whole reading.
class LagReadout : public QLabel {
    Q_OBJECT
public:
    explicit LagReadout(const QString& text, QWidget* parent = nullptr);

    // Shows a reading, fitted to the width.
    void showReading(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    // The font the read-out draws with when the reading fits.
    QFont fullFont_;
    bool fitting_ = false;
};

} // namespace vesk
