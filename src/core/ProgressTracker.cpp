#include "ProgressTracker.h"

#include <charconv>
#include <vector>

#include "NumberText.h"

namespace tavoclip {
namespace {

constexpr std::string_view kDurationMarker = "Duration: ";
constexpr std::string_view kTimeMarker = "time=";

struct FieldScan {
    std::string text;
    bool found = false;
};

// Collects the characters after every occurrence of marker up to the next
// space; several occurrences run together into one text. An occurrence counts
// only when at least one character follows it in the chunk. With
// foundOnMarker the field is found even when its text is empty ("time= ").
FieldScan CollectAfter(std::string_view chunk, std::string_view marker, bool foundOnMarker)
{
    FieldScan scan;
    for (std::size_t i = 0; i + marker.size() < chunk.size(); ++i) {
        if (chunk.compare(i, marker.size(), marker) != 0) continue;
        if (foundOnMarker) scan.found = true;
        for (std::size_t j = i + marker.size(); j < chunk.size() && chunk[j] != ' '; ++j) {
            scan.text += chunk[j];
            scan.found = true;
        }
    }
    return scan;
}

std::vector<std::string> SplitAtColons(std::string_view text)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ':') fields.emplace_back();
        else if (c != ',') fields.back() += c;  // commas are ignored
    }
    return fields;
}

}  // namespace

std::optional<std::int32_t> ParseDurationSeconds(std::string_view text)
{
    const std::vector<std::string> fields = SplitAtColons(text);
    if (fields.size() < 3) return std::nullopt;
    const auto hours = ParseNumber(fields[0]);
    const auto minutes = ParseNumber(fields[1]);
    const auto seconds = ParseNumber(fields[2]);
    if (!hours || !minutes || !seconds) return std::nullopt;
    return ToInt32(*hours * 3600 + *minutes * 60 + *seconds);
}

std::string PercentCaption(double percentage)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, percentage, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    return text.substr(0, 4) + "%";
}

void ProgressTracker::LearnTotal(std::string_view chunk, const ConversionOptions& options)
{
    if (options.cutterOn()) {
        totalSeconds_ = options.cutLengthSeconds;
        return;
    }
    const FieldScan duration = CollectAfter(chunk, kDurationMarker, false);
    if (!duration.found) return;
    if (const auto seconds = ParseDurationSeconds(duration.text)) totalSeconds_ = *seconds;
}

std::optional<ProgressDisplay> ProgressTracker::Feed(std::string_view chunk, const ConversionOptions& options)
{
    if (totalSeconds_ == 0) LearnTotal(chunk, options);

    const FieldScan time = CollectAfter(chunk, kTimeMarker, true);
    if (!time.found) return std::nullopt;

    // With several fields run together the number read is the first field's
    // ("12.3413.56" reads as 12.3413).
    const double elapsed = RoundHalfEven(LeadingNumber(time.text));
    // No known total (or a negative cut length, which cannot be one) shows
    // the full bar, as does any time at or past the total.
    if (totalSeconds_ <= 0 || elapsed / totalSeconds_ * 100 >= 100)
        return ProgressDisplay{kFullBarTwips, "100%"};
    // A negative time cannot mean progress: an empty bar, never a negative
    // width, and minus zero (-0.4 rounded) shows as "0%", not "-0%".
    if (elapsed <= 0) return ProgressDisplay{0.0f, "0%"};

    const double ratio = RoundToSignificantDigits(elapsed / totalSeconds_, 15);
    const double percentage = RoundToSignificantDigits(ratio * 100, 15);
    return ProgressDisplay{static_cast<float>(ratio) * kFullBarTwips, PercentCaption(percentage)};
}

}  // namespace tavoclip
