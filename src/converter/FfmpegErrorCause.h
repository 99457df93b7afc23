#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

// The one line of FFmpeg's error messages that tells why a conversion
// failed, for the end of conv's output: the first one that names a system
// error ("av_interleaved_write_frame(): No space left on device"), else the
// first that is not a mere "it failed". Its "[context @ 0x...] " prefix is
// dropped. Empty when no line says more than that the conversion failed.
std::string FfmpegErrorCause(const std::vector<std::string>& errorLines);

// text with every occurrence of name replaced by replacement.
std::string ReplaceAll(std::string text, std::string_view name, std::string_view replacement);

// Whether an FFmpeg error message reports that writing the output failed.
// FFmpeg ends with status 0 after some such failures (a full disk while the
// MP4 or MP3 trailer is written), so conv must read them itself.
bool IsOutputWriteError(std::string_view message);

}  // namespace tavoclip
