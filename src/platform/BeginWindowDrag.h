#pragma once

class QPoint;
class QWidget;

namespace tavoclip {

// Hands a pointer gesture on a skinned window's background to the window
// system as a title-bar drag, so that the window follows the pointer until the
// button is released. Returns whether the window system took the drag (there
// is none to take it without a window manager); it runs the drag on its own
// after this returns.
//
// origin is where the window's client area really lies on the screen, as the
// pointer event that starts the drag tells it (its screen position less its
// position in the window). The toolkit tells the window manager where the
// pointer is from its own record of the window's place, and that record can
// be stale for a window that was just mapped: a window manager that reparents
// the window into its frame may leave it reading 0,0 for a while. The manager
// would then start its move from a point off by the window's own position and
// throw the window by that much on the first motion. So the record is set
// right from origin before the hand-off.
//
// It does not look at the mouse buttons: after a window-system drag the
// toolkit never sees the release and goes on reporting the left button as
// held, so only the caller, from the press and release it was given, knows
// whether a gesture is under way. BackgroundDrag is that caller.
bool BeginWindowDrag(QWidget& window, const QPoint& origin);

}  // namespace tavoclip
