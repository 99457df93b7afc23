#include "BeginWindowDrag.h"

#include <QPoint>
#include <QWidget>
#include <QWindow>

namespace tavoclip {

bool BeginWindowDrag(QWidget& window, const QPoint& origin)
{
    QWindow* handle = window.window()->windowHandle();
    if (handle == nullptr)
        return false;
    // Asking for the place the window already has moves nothing on the
    // screen; it only brings the toolkit's record, from which the hand-off
    // works out the pointer's screen position, back in line.
    if (handle->position() != origin)
        handle->setPosition(origin);
    // Releases any implicit grab first, as a title-bar press would.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return handle->startSystemMove();
}

}  // namespace tavoclip
