#pragma once

class QWidget;

namespace tavoclip {

// Calls off a drag that BeginWindowDrag handed to the window system, for a
// release that came before the window system took the pointer: an X11 window
// manager told to move the window then waits for a release that has already
// happened and drags the window after the free pointer until the next click.
// On X11 it sends the window manager _NET_WM_MOVERESIZE_CANCEL for the
// window; elsewhere the window system ends its drag on its own and this does
// nothing.
void EndWindowDrag(QWidget& window);

}  // namespace tavoclip
