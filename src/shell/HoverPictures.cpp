#include "HoverPictures.h"

#include "HotSpot.h"
#include "LinkLabel.h"

namespace tavoclip {

HoverPictures::HoverPictures(const MainHotSpots& spots, const PictureStore& pictures)
    : spots_(spots), pictures_(pictures)
{
}

void HoverPictures::Light(HotSpot& spot, const QString& pictureName) const
{
    spot.SetPicture(pictures_.Picture(pictureName));
}

void HoverPictures::LightMenuWord(int index) const
{
    ClearMenuWords();
    if (HotSpot* word = spots_.imgMenu.at(static_cast<std::size_t>(index)))
        Light(*word, QStringLiteral("imgMenuData%1").arg(index));
}

void HoverPictures::LightToolbarButton(int index) const
{
    ClearToolbar();
    if (HotSpot* button = spots_.imgToolbar.at(static_cast<std::size_t>(index)))
        Light(*button, QStringLiteral("imgButtonData%1").arg(index));
}

void HoverPictures::ClearToolbar() const
{
    for (HotSpot* button : spots_.imgToolbar)
        if (button != nullptr)
            button->ClearPicture();
}

void HoverPictures::ShowBrowsePressed() const
{
    Light(*spots_.imgBrowse, QStringLiteral("imgBrowseDark"));
}

void HoverPictures::ClearMenuWords() const
{
    for (HotSpot* word : spots_.imgMenu)
        word->ClearPicture();
}

void HoverPictures::ResetHoverPictures() const
{
    spots_.lblFeed->SetBold(false);
    spots_.imgHelp->ClearPicture();
    spots_.imgExit->ClearPicture();
    // The drop-down buttons rest on the normal arrow, so clearing shows it.
    spots_.picButtonChannel->ClearPicture();
    spots_.picButtonR->ClearPicture();
    spots_.picButtonOF->ClearPicture();
    spots_.picButtonBR->ClearPicture();
    spots_.imgBrowse->ClearPicture();
    spots_.imgMin->ClearPicture();
    ClearToolbar();
    ClearMenuWords();
    spots_.imgConvert->ClearPicture();
}

}  // namespace tavoclip
