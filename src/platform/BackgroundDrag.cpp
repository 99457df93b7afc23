#include "BackgroundDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "BeginWindowDrag.h"
#include "EndWindowDrag.h"

namespace tavoclip {

BackgroundDrag::BackgroundDrag(QWidget& window, HandOff handOff, CallOff callOff)
    : window_(window),
      handOff_(handOff ? std::move(handOff) : HandOff(&BeginWindowDrag)),
      callOff_(callOff ? std::move(callOff) : CallOff(&EndWindowDrag))
{
}

void BackgroundDrag::Press(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    pressed_ = event.globalPosition().toPoint();
    grip_ = pressed_ - window_.pos();
    handedOver_ = false;
}

void BackgroundDrag::Move(const QMouseEvent& event)
{
    if (!grip_)
        return;
    if (!(event.buttons() & Qt::LeftButton)) {
        // The release went elsewhere; the gesture is over.
        grip_.reset();
        return;
    }
    // Still a click: the pointer has not gone the drag distance.
    const QPoint travel = event.globalPosition().toPoint() - pressed_;
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return;
    // The event's screen and window positions both come from the window
    // system with the event, so their difference is where the window really
    // is, whatever the toolkit has recorded so far.
    const QPoint origin = (event.globalPosition() - event.position()).toPoint();
    if (handOff_(window_, origin)) {
        // The window system drags until the release, which this window will
        // not see once it has the pointer; nothing after it belongs to this
        // gesture.
        grip_.reset();
        handedOver_ = true;
        return;
    }
    window_.move(event.globalPosition().toPoint() - *grip_);
}

void BackgroundDrag::Release(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    grip_.reset();
    if (handedOver_) {
        // Released before the window system took the pointer: it would wait
        // for a release that has already happened.
        handedOver_ = false;
        callOff_(window_);
    }
}

}  // namespace tavoclip
