#include "PictureShape.h"

#include <algorithm>
#include <utility>

namespace tavoclip {
namespace {

std::string Text(FrameSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

bool TurnsForPortrait(PictureFit fit) { return fit == PictureFit::PixelAspect || fit == PictureFit::Bars; }

bool FitsWithBars(PictureFit fit) { return fit == PictureFit::Bars || fit == PictureFit::BarsAsChosen; }

// Scales the picture, as it is shown, to the largest even size that fits in
// the frame, marks its pixels square and centres it on black. FFmpeg works
// the size out from the real frames ("dar" is the shown aspect), so the
// filter is the same for every source and a guessed plan can keep it.
std::string BarsFilter(FrameSize frame)
{
    const std::string w = std::to_string(frame.width);
    const std::string h = std::to_string(frame.height);
    const std::string wider = "gte(dar," + w + "/" + h + ")";
    return "scale=w='if(" + wider + "," + w + ",2*max(1,round(" + h + "*dar/2)))'" +
           ":h='if(" + wider + ",2*max(1,round(" + w + "/dar/2))," + h + ")'" +
           ",setsar=1,pad=" + w + ":" + h + ":-1:-1:black";
}

}  // namespace

PictureShape ChoosePictureShape(PictureFit fit, const std::optional<FrameSize>& chosen, const VideoStreamInfo& video)
{
    PictureShape shape;
    FrameSize size = chosen.value_or(UprightSize(video));
    if (chosen && TurnsForPortrait(fit) && DisplayAspect(video) < 1 && size.width > size.height) {
        std::swap(size.width, size.height);
        shape.notes.push_back("the picture is taller than wide: turning the frame size to " + Text(size));
    }
    const FrameSize even{std::max(2, size.width - size.width % 2), std::max(2, size.height - size.height % 2)};
    if (!(even == size))
        shape.notes.push_back("frame size " + Text(size) + " has an odd side: using " + Text(even));
    const bool squarePixels = video.pixelAspectWidth == video.pixelAspectHeight;
    if (chosen || !(even == size) || (FitsWithBars(fit) && !squarePixels)) shape.frame = even;
    if (shape.frame && FitsWithBars(fit)) shape.filter = BarsFilter(even);
    return shape;
}

}  // namespace tavoclip
