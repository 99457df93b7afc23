#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "OutputFormat.h"

namespace tavoclip {

// What the window shows for one chunk: the bar's width on the 5415-twip scale
// and the percentage caption.
struct ProgressDisplay {
    float barWidthTwips = 0;
    std::string caption;
    bool operator==(const ProgressDisplay&) const = default;
};

// Reads the converter's console output chunk by chunk: learns the file's
// total once (from "Duration: ", or the cut length when the cutter is on) and
// turns every "time=" into a bar width and a caption. Nothing but the total is
// kept between chunks, so a field split across two chunks is not joined.
class ProgressTracker {
public:
    static constexpr float kFullBarTwips = 5415.0f;

    // The display for this chunk, or nullopt when it holds no progress field
    // (the window then keeps what it shows).
    std::optional<ProgressDisplay> Feed(std::string_view chunk, const ConversionOptions& options);

    // Called when a file's converter has ended: the next file's total is
    // learned afresh.
    void ResetTotal() { totalSeconds_ = 0; }
    std::int32_t totalSeconds() const { return totalSeconds_; }

private:
    void LearnTotal(std::string_view chunk, const ConversionOptions& options);

    std::int32_t totalSeconds_ = 0;
};

// The hours:minutes:seconds text after "Duration: " in whole seconds, rounded
// half to even; nullopt when it cannot be read.
std::optional<std::int32_t> ParseDurationSeconds(std::string_view text);

// The caption for a share already rounded to 15 significant digits: the first
// four characters of the shortest plain decimal text, then "%".
std::string PercentCaption(double percentage);

}  // namespace tavoclip
