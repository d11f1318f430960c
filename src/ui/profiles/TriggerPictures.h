#pragma once

#include <QIcon>
#include <QSize>

namespace vesk {

// The two 16 by 14 pictures of the trigger list: a check mark in a box for a trigger that is
// on, the empty box for one that is off. They are drawn once, so they stay sharp and need no
// resource files.
class TriggerPictures {
public:
    static constexpr QSize size{16, 14};

    static const QIcon& enabled();
    static const QIcon& disabled();
    // The colour of the check mark, which tests look for in the rendered list.
    static QColor checkColour();
};

} // namespace vesk
