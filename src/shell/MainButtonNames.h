#pragma once

#include <QString>

#include <string_view>

#include "HoverPictures.h"

namespace tavoclip {

// Gives every picture button of the main window the accessible name and
// description a screen reader announces: the caption drawn on the skin (or
// what the button does, where the skin shows only a picture) and its tool
// tip, with the key that does the same. hidden are the buttons reached only
// through the toolbar, the menus and Convert.
struct HiddenMainButtons {
    HotSpot* imgAdd = nullptr;
    HotSpot* imgRemove = nullptr;
    HotSpot* imgStart = nullptr;
};
void NameMainButtons(const MainHotSpots& spots, const HiddenMainButtons& hidden);

// A menu word or toolbar caption of the layout table, in the user's
// language: what the skin paints and what a screen reader announces.
QString LayoutText(std::string_view text);

}  // namespace tavoclip
