#pragma once

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

namespace vesk {

// One colour of the text panes on the Fonts/Colors page: a framed patch that opens the colour
// chooser on its colour when clicked. A chosen colour stays in the swatch until the dialog is
// confirmed.
class ColourSwatch : public QWidget {
    Q_OBJECT

public:
    // Asks the player for a colour, starting from the given one; nothing when cancelled.
    using Chooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    explicit ColourSwatch(const QString& name, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

    // Tests replace the platform colour chooser; an empty chooser restores it.
    static void setChooser(Chooser chooser);

    QSize sizeHint() const override { return {32, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor colour_;
};

} // namespace vesk
