#pragma once

#include "common/FramePacer.h"
#include "status/BodyPictures.h"

#include <QFont>
#include <QWidget>

namespace vesk {

class Preferences;
class StatusModel;

// Paints the status model: the body diagram coloured by damage or armour, the vitals, the
// experience figures and the lists of attackers and party members, wide or narrow as the
// settings say. It exists twice, docked in the main window and in the floating status window;
// the holder owns the scroll bar and hands the view its scroll position. Nothing is kept
// between paints but the font and the pictures, so both views always show the one model.
class StatusView : public QWidget {
    Q_OBJECT
public:
    StatusView(StatusModel& model, Preferences& preferences, QWidget* parent = nullptr);

    // The model changed: one repaint at the next turn of the event loop, and the holder hears
    // the contents' height for its scroll bar.
    void refresh();
    void setScrollPosition(int pixels);
    int scrollPosition() const { return scroll_; }
    int contentHeight() const;
    // Limbs coloured by damage become coloured by armour and back.
    void toggleBodyType();
    bool narrow() const;
    const StatusModel& model() const { return model_; }

    // The client's own font, used unless the player picks the main window's.
    static QFont defaultFont();
    // Paints as paintEvent does, onto any painter of the view's size.
    void paintStatus(QPainter& painter);

signals:
    void contentHeightChanged(int height);
    // A key was pressed while the view had the focus: the main window should take it back.
    void keyboardFocusReturned();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusModel& model_;
    Preferences& preferences_;
    BodyPictures pictures_;
    FramePacer repaints_;
    int scroll_ = 0;
};

} // namespace vesk
