#pragma once

#include <QString>

#include <array>

#include "MainHotSpots.h"
#include "PictureStore.h"

namespace tavoclip {

// The rules that light the main window's hot spots: a single hot spot shows
// its store's picture, a group member lights alone in its group, and
// ResetHoverPictures clears everything in a fixed order. The controls
// themselves are the only record of what is lit.
class HoverPictures {
public:
    HoverPictures(const MainHotSpots& spots, const PictureStore& pictures);

    // Lights a single hot spot with the named picture.
    void Light(HotSpot& spot, const QString& pictureName) const;
    void LightMenuWord(int index) const;
    void LightToolbarButton(int index) const;
    void ClearToolbar() const;
    void ShowBrowsePressed() const;
    // The background's pointer-move reset, in its fixed order.
    void ResetHoverPictures() const;

private:
    void ClearMenuWords() const;

    MainHotSpots spots_;
    const PictureStore& pictures_;
};

}  // namespace tavoclip
