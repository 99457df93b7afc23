#include "BackgroundDrag.h"

#include <QMouseEvent>
#include <QWidget>

#include "BeginWindowDrag.h"

namespace tavoclip {

BackgroundDrag::BackgroundDrag(QWidget& window, HandOff handOff)
    : window_(window), handOff_(handOff ? std::move(handOff) : HandOff(&BeginWindowDrag))
{
}

void BackgroundDrag::Press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        grip_ = event.globalPosition().toPoint() - window_.pos();
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
    // The event's screen and window positions both come from the window
    // system with the event, so their difference is where the window really
    // is, whatever the toolkit has recorded so far.
    const QPoint origin = (event.globalPosition() - event.position()).toPoint();
    if (handOff_(window_, origin)) {
        // The window system drags until the release, which this window will
        // not see; nothing after it belongs to this gesture.
        grip_.reset();
        return;
    }
    window_.move(event.globalPosition().toPoint() - *grip_);
}

void BackgroundDrag::Release(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        grip_.reset();
}

}  // namespace tavoclip
