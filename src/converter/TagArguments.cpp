#include "TagArguments.h"

namespace tavoclip {

// The source's own tags and chapters go into the output, as far as its
// container holds them. Naming the source explicitly also keeps the shooting
// date (creation_time), which FFmpeg's automatic copy leaves out. The brands
// of an MP4 or MOV source describe that file only and would be written as
// plain tags into the others.
std::vector<std::string> TagArguments(const OutputContainer& container,
                                      const std::map<std::string, std::string>& tags)
{
    std::vector<std::string> args{"-map_metadata", "0", "-map_chapters", "0",
                                  "-metadata", "major_brand=", "-metadata", "minor_version=",
                                  "-metadata", "compatible_brands="};
    // A phone's position: Apple's cameras keep it under their own key, which
    // the QuickTime family writes only as "location" (its own location atom
    // or the 3GPP one).
    const bool quickTime = container.muxer == "mov" || container.muxer == "mp4" || container.muxer == "3gp";
    const auto apple = tags.find("com.apple.quicktime.location.ISO6709");
    if (quickTime && !tags.contains("location") && apple != tags.end())
        args.insert(args.end(), {"-metadata", "location=" + apple->second});
    // AVI and WAV (INFO's creation date) and MP3 (ID3's recording time) keep
    // a shooting date only as "date"; the day of creation_time fills it.
    const bool dateOnly = container.muxer == "avi" || container.muxer == "wav" || container.muxer == "mp3";
    const auto shot = tags.find("creation_time");
    if (dateOnly && !tags.contains("date") && shot != tags.end() && shot->second.size() >= 10)
        args.insert(args.end(), {"-metadata", "date=" + shot->second.substr(0, 10)});
    return args;
}

}  // namespace tavoclip
