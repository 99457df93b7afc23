#pragma once

class QWidget;

namespace tavoclip {

// Shows the window again if it was minimised or hidden, puts it above the
// others and asks the window manager for the focus (which a window manager
// preventing focus stealing may turn into a hint on the task bar).
void BringToFront(QWidget& window);

}  // namespace tavoclip
