#include "BeginWindowDrag.h"

#include <QWidget>
#include <QWindow>

namespace tavoclip {

bool BeginWindowDrag(QWidget& window)
{
    QWindow* handle = window.window()->windowHandle();
    if (handle == nullptr)
        return false;
    // Releases any implicit grab first, as a title-bar press would.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return handle->startSystemMove();
}

}  // namespace tavoclip
