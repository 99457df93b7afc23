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
// release. A click is not a drag: nothing moves until the pointer has gone
// the platform's drag distance from the press with the button held, so a
// hand that shakes by a pixel while clicking never starts a move. Past that
// distance the drag goes to the window system; once handed over, the gesture
// is over for this class, whatever the toolkit later reports about the
// buttons, so a free pointer move after the window system's drag never starts
// another one. A release that still reaches this window after the hand-over
// came before the window system took the pointer, which would then follow a
// free pointer until the next click; the hand-over is called off. Where the
// window system takes no drag (no window manager), the window follows the
// pointer itself until the release. A move without a press seen here never
// moves the window.
class BackgroundDrag {
public:
    // Gives the gesture to the window system, told where the window's client
    // area lies on the screen according to the event that starts the drag.
    using HandOff = std::function<bool(QWidget&, const QPoint& origin)>;
    // Calls off a drag handed to the window system.
    using CallOff = std::function<void(QWidget&)>;

    // handOff is BeginWindowDrag and callOff EndWindowDrag unless a test
    // replaces them.
    explicit BackgroundDrag(QWidget& window, HandOff handOff = {}, CallOff callOff = {});

    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    // True while a press on the background is held and not handed over.
    bool active() const { return grip_.has_value(); }

private:
    QWidget& window_;
    HandOff handOff_;
    CallOff callOff_;
    // Where the left button went down, relative to the window's top-left.
    std::optional<QPoint> grip_;
    // Where it went down on the screen, for the drag distance.
    QPoint pressed_;
    // The press's drag went to the window system and no release came since.
    bool handedOver_ = false;
};

}  // namespace tavoclip
