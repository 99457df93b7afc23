#pragma once

#include <QPoint>

#include <functional>
#include <optional>

class QMouseEvent;
class QWidget;

namespace tavoclip {

// Moving a skinned window by its bare background: the window's press, move
// and release handlers feed their events here.
//
// A gesture starts with a left press on the background and ends with its
// release. While it lasts, the first pointer move hands the drag to the window
// system; once handed over, the gesture is over for this class, whatever the
// toolkit later reports about the buttons, so a free pointer move after the
// window system's drag never starts another one. Where the window system takes
// no drag (no window manager), the window follows the pointer itself until the
// release. A move without a press seen here never moves the window.
class BackgroundDrag {
public:
    // Gives the gesture to the window system, told where the window's client
    // area lies on the screen according to the event that starts the drag.
    using HandOff = std::function<bool(QWidget&, const QPoint& origin)>;

    // handOff is BeginWindowDrag unless a test replaces it.
    explicit BackgroundDrag(QWidget& window, HandOff handOff = {});

    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    // True while a press on the background is held and not handed over.
    bool active() const { return grip_.has_value(); }

private:
    QWidget& window_;
    HandOff handOff_;
    // Where the left button went down, relative to the window's top-left.
    std::optional<QPoint> grip_;
};

}  // namespace tavoclip
