#include "KeepOnScreen.h"

#include <algorithm>

namespace tavoclip {

QPoint KeepOnScreen(const QRect& frame, const QRect& available)
{
    // Right and bottom edges first, then left and top, so that the top-left
    // corner wins when the window does not fit.
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

}  // namespace tavoclip
