#pragma once

#include <QString>

#include <array>

#include "MainLabels.h"

class QWidget;

namespace tavoclip {

class HotSpot;
class LinkLabel;
class PictureStore;

// The main window's hot spots by their design names. lblFeed is one of the
// labels (BuildMainLabels) but lights like a hot spot.
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

// Creates the hot spots as children of window, each named by its design
// name, with their tool tips, pointers and the veils that grey them during
// a batch; the drop-down buttons rest on the store's "imgButton" picture.
MainHotSpots BuildMainHotSpots(QWidget& window, const PlaceControl& place, const PictureStore& pictures);

// One hot spot named name at rect.
HotSpot* NewMainHotSpot(QWidget& window, const PlaceControl& place, const QString& name,
                        const main_layout::TwipsRect& rect);

}  // namespace tavoclip
