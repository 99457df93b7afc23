#pragma once

class QWidget;

namespace tavoclip {

// Hands a pointer gesture on a skinned window's background to the window
// system as a title-bar drag, so that the window follows the pointer until the
// button is released. Returns whether the window system took the drag (there
// is none to take it without a window manager); it runs the drag on its own
// after this returns.
//
// It does not look at the mouse buttons: after a window-system drag the
// toolkit never sees the release and goes on reporting the left button as
// held, so only the caller, from the press and release it was given, knows
// whether a gesture is under way. BackgroundDrag is that caller.
bool BeginWindowDrag(QWidget& window);

}  // namespace tavoclip
