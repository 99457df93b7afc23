#include "MainHotSpots.h"

#include <QCoreApplication>
#include <QColor>

#include "HotSpot.h"
#include "MainSkin.h"
#include "PictureStore.h"

namespace tavoclip {

namespace ml = main_layout;

HotSpot* NewMainHotSpot(QWidget& window, const PlaceControl& place, const QString& name, const ml::TwipsRect& rect)
{
    auto* spot = new HotSpot(&window);
    spot->setObjectName(name);
    place(*spot, rect);
    return spot;
}

MainHotSpots BuildMainHotSpots(QWidget& window, const PlaceControl& place, const PictureStore& pictures)
{
    const auto newSpot = [&](const QString& name, const ml::TwipsRect& rect) {
        return NewMainHotSpot(window, place, name, rect);
    };
    MainHotSpots spots;
    for (std::size_t i = 0; i < ml::kMenuWords.size(); ++i)
        spots.imgMenu[i] = newSpot(QStringLiteral("imgMenu%1").arg(i), ml::kMenuWords[i]);
    for (int index : ml::kToolbarOrder) {
        const auto slot = static_cast<std::size_t>(index);
        spots.imgToolbar[slot] = newSpot(QStringLiteral("imgToolbar%1").arg(index), ml::kToolbar[slot]);
    }
    spots.imgHelp = newSpot(QStringLiteral("imgHelp"), ml::kHelp);
    spots.imgHelp->setToolTip(QCoreApplication::translate("MainWindow", "Help & Tutorial"));
    spots.imgMin = newSpot(QStringLiteral("imgMin"), ml::kMin);
    spots.imgMin->setToolTip(QCoreApplication::translate("MainWindow", "Minimize Window"));
    spots.imgExit = newSpot(QStringLiteral("imgExit"), ml::kExit);
    spots.imgExit->setToolTip(QCoreApplication::translate("MainWindow", "Exit"));
    for (HotSpot* hand : {spots.imgHelp, spots.imgMin, spots.imgExit})
        hand->setCursor(Qt::PointingHandCursor);
    spots.imgBrowse = newSpot(QStringLiteral("imgBrowse"), ml::kBrowse);
    spots.imgBrowse->setToolTip(QCoreApplication::translate("MainWindow", "Select an Output Folder"));
    spots.imgConvert = newSpot(QStringLiteral("imgConvert"), ml::kConvert);
    // While a batch runs these are disabled; the veil greys them out.
    spots.imgConvert->SetDisabledVeil(QColor(246, 249, 250, 120));
    for (HotSpot* button : spots.imgToolbar)
        if (button != nullptr)
            button->SetDisabledVeil(MainSkin::ToolbarBand(170));
    for (HotSpot* word : spots.imgMenu)
        word->SetDisabledVeil(QColor(24, 76, 82, 170));

    // The tool tips are fixed texts; they do not name the list each opens.
    const auto dropDown = [&](const QString& name, const ml::TwipsRect& rect, const QString& tip) {
        HotSpot* button = newSpot(name, rect);
        button->setToolTip(tip);
        button->SetRestPicture(pictures.Picture(QStringLiteral("imgButton")));
        return button;
    };
    spots.picButtonOF = dropDown(QStringLiteral("picButtonOF"), ml::kDropDownOF, QCoreApplication::translate("MainWindow", "MP3 Audio Bitrate"));
    spots.picButtonBR = dropDown(QStringLiteral("picButtonBR"), ml::kDropDownBR, QCoreApplication::translate("MainWindow", "MP3 Audio Bitrate"));
    spots.picButtonR = dropDown(QStringLiteral("picButtonR"), ml::kDropDownR, QCoreApplication::translate("MainWindow", "MP3 Audio Rate"));
    spots.picButtonChannel = dropDown(QStringLiteral("picButtonChannel"), ml::kDropDownChannel,
                                      QCoreApplication::translate("MainWindow", "MP3 Audio Channel(Stereo or Mono)"));
    return spots;
}

}  // namespace tavoclip
