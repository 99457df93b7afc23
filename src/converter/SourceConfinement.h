#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

// Keeps FFmpeg and ffprobe to the one file conv was given. Some of FFmpeg's
// input formats open further files or addresses that the source names: an
// HLS playlist or an ffconcat list saved as "holiday.mp4" would otherwise
// have its referenced files (any file the user can read) converted into the
// output, which the user may then share. So the source may only be read by
// formats that read the named file alone, and only through the "file"
// protocol. The source's own name never selects a protocol either: it is
// always given as "file:" + path (see FfmpegFileUrl).

// The input options that come right before "-i" for the source (the same
// for ffprobe): a protocol whitelist and a format whitelist.
std::vector<std::string> SourceInputOptions();

// When an FFmpeg or ffprobe error message reports that the source's format
// is not on the whitelist, the reason for the user; nullopt for any other
// message. (No format on the whitelist opens another address, so a refused
// protocol is not looked for.)
std::optional<std::string> SourceRefusal(std::string_view message);

}  // namespace tavoclip
