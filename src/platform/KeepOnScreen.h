#pragma once

#include <QPoint>
#include <QRect>

namespace tavoclip {

// Where a window of frame's size goes so that it lies inside available (the
// screen's area less its panels), moved as little as possible from frame's
// place. A window larger than the area keeps its top-left corner inside it,
// where a skinned window has its title and its exit button.
QPoint KeepOnScreen(const QRect& frame, const QRect& available);

}  // namespace tavoclip
