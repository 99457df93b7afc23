#include "OutputContainer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace tavoclip {
namespace {

constexpr std::array<OutputContainer, 10> kContainers{{
    {".mpg", "MPG", "mpeg", false, "mpeg1video", AudioEncoder::Mp2, PictureFit::Bars},
    {".wmv", "WMV", "asf", false, "wmv2", AudioEncoder::Wma2, PictureFit::PixelAspect},
    {".mov", "MOV", "mov", false, "libx264", AudioEncoder::Aac, PictureFit::PixelAspect},
    {".avi", "AVI", "avi", false, "mpeg4", AudioEncoder::Lame, PictureFit::PixelAspect},
    {".mp4", "MP4", "mp4", false, "libx264", AudioEncoder::Aac, PictureFit::PixelAspect},
    {".3gp", "3GP", "3gp", false, "h263", AudioEncoder::AmrNb, PictureFit::BarsAsChosen},
    {".mp3", "MP3", "mp3", true, "", AudioEncoder::Lame, PictureFit::None},
    {".amr", "AMR", "", true, "", AudioEncoder::AmrNb, PictureFit::None},
    {".wma", "WMA", "asf", true, "", AudioEncoder::Wma2, PictureFit::None},
    {".wav", "WAV", "wav", true, "", AudioEncoder::Pcm, PictureFit::None},
}};

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::optional<OutputContainer> FindOutputContainer(std::string_view outputPath)
{
    const std::string path = LowerCase(outputPath);
    for (const OutputContainer& container : kContainers) {
        if (path.size() > container.extension.size() && path.ends_with(container.extension)) return container;
    }
    return std::nullopt;
}

std::string_view KnownExtensions()
{
    return ".mpg, .wmv, .mov, .avi, .mp4, .3gp, .mp3, .amr, .wma, .wav";
}

std::string_view FfmpegAudioCodec(AudioEncoder encoder)
{
    switch (encoder) {
        case AudioEncoder::Mp2:
            return "mp2";
        case AudioEncoder::Lame:
            return "libmp3lame";
        case AudioEncoder::Aac:
            return "aac";
        case AudioEncoder::Wma1:
            return "wmav1";
        case AudioEncoder::Wma2:
            return "wmav2";
        case AudioEncoder::Pcm:
            return "pcm_s16le";
        case AudioEncoder::AmrNb:
            return "";
    }
    return "";
}

}  // namespace tavoclip
