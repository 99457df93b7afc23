#pragma once

class QWidget;

namespace tavoclip {

// Hands a pointer gesture on a skinned window's background to the window
// system as a title-bar drag, so the window follows the pointer while the left
// button is held. Called on every background pointer move; without the left
// button down it does nothing, so a plain move never moves the window.
// Returns whether a drag was handed over. The window system runs the drag on
// its own after this returns.
bool BeginWindowDrag(QWidget& window);

}  // namespace tavoclip
