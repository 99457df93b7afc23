#pragma once

#include <QColor>

namespace tavoclip::skin_palette {

// The colours every skinned window is painted in: a deep teal header, a cool
// light body, one green for action. The main window and the dialogs draw from
// this one list so that they read as the same program.
inline const QColor kHeaderTop(18, 58, 66);
inline const QColor kHeaderBottom(27, 92, 96);
inline const QColor kBodyTop(246, 249, 250);
inline const QColor kBodyBottom(226, 234, 238);
inline const QColor kInk(36, 52, 61);
inline const QColor kSoftInk(92, 110, 120);
inline const QColor kMint(199, 227, 214);
inline const QColor kAccent(38, 160, 140);
inline const QColor kGreenTop(64, 190, 118);
inline const QColor kGreenBottom(28, 134, 80);
// Text of a control that ignores the pointer for now (a link during a batch).
inline const QColor kDisabledInk(150, 162, 170);

}  // namespace tavoclip::skin_palette
