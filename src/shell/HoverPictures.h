#pragma once

#include <QString>

#include <array>

#include "PictureStore.h"

namespace tavoclip {

class HotSpot;
class LinkLabel;

// The main window's hot spots and the rules that light them: a single hot
// spot shows its store's picture, a group member lights alone in its group,
// and ResetHoverPictures clears everything in a fixed order. The controls
// themselves are the only record of what is lit.
struct MainHotSpots {
    std::array<HotSpot*, 3> imgMenu{};
    std::array<HotSpot*, 7> imgToolbar{};  // index 5 stays empty
    HotSpot* imgHelp = nullptr;
    HotSpot* imgMin = nullptr;
    HotSpot* imgExit = nullptr;
    HotSpot* imgBrowse = nullptr;
    HotSpot* imgConvert = nullptr;
    HotSpot* picButtonOF = nullptr;
    HotSpot* picButtonBR = nullptr;
    HotSpot* picButtonR = nullptr;
    HotSpot* picButtonChannel = nullptr;
    LinkLabel* lblFeed = nullptr;
};

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
