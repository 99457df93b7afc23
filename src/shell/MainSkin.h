#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QStringList>

namespace tavoclip {

class PictureStore;

// The main window's artwork, drawn in code: the 700 x 500 background with the
// toolbar, menu words, list labels, Convert button and progress trough, and
// every hover and pressed picture at its design size. Everything is drawn in
// logical pixels on surfaces of the given device pixel ratio.
class MainSkin {
public:
    static QImage Background(qreal devicePixelRatio);
    // Adds imgMenuData0..2, imgButtonData0..4 and 6, imgHelpLight,
    // imgMinLight, imgExitLight, imgBrowseLight, imgBrowseDark,
    // imgConvertData, imgButton and imgButtonLight.
    static void AddPictures(PictureStore& store, qreal devicePixelRatio);
    // The toolbar's background band, in window coordinates, with the given
    // opacity: a veil of it over a button fades the button into the band
    // without drawing a tile of another colour around it.
    static QLinearGradient ToolbarBand(int alpha = 255);
    // The painted words (menu, toolbar, panel titles, list labels, Convert)
    // that are wider than their places in the current language, each with
    // its width and its place's; empty when every word fits.
    static QStringList TextsTooWide();
};

}  // namespace tavoclip
