#include "BringToFront.h"

#include <QWidget>

namespace tavoclip {

void BringToFront(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace tavoclip
