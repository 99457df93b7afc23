#include "OutputReport.h"

#include <charconv>

namespace tavoclip {

void OutputReport::Add(bool isInfo, std::string_view text)
{
    if (state_ == State::After) return;
    if (state_ == State::Before) {
        if (isInfo && text.starts_with("Output #0, ")) state_ = State::Inside;
        return;
    }
    // The description is one block of indented lines; anything else ends it.
    if (!isInfo || !text.starts_with(' ')) {
        state_ = State::After;
        return;
    }
    if (!text.starts_with("  Stream #0:")) return;
    const std::size_t kind = text.find(": ", 12);
    if (kind == std::string_view::npos) return;
    const std::string_view rest = text.substr(kind + 2);
    if (rest.starts_with("Video: ")) {
        video_ = true;
        // "..., 200 kb/s, 25 fps, 25 tbn": the number before " fps".
        const std::size_t fps = rest.find(" fps");
        const std::size_t start = rest.rfind(", ", fps);
        if (fps == std::string_view::npos || start == std::string_view::npos) return;
        double rate = 0;
        const auto [end, error] = std::from_chars(rest.data() + start + 2, rest.data() + fps, rate);
        if (error == std::errc() && end == rest.data() + fps) framesPerSecond_ = rate;
    }
    if (rest.starts_with("Audio: ")) audio_ = true;
}

}  // namespace tavoclip
