#include "ProgressWatchdog.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace tavoclip {
namespace {

// How often the time since the last progress is looked at; a shorter limit
// is looked at as often as it is long.
constexpr std::chrono::milliseconds kCheckInterval{1000};

constexpr long long kLongestLimitSeconds = 1'000'000'000;

}  // namespace

ProgressWatchdog::ProgressWatchdog(std::chrono::milliseconds limit, std::function<void()> onStalled)
    : limit_(limit), onStalled_(std::move(onStalled))
{
    QObject::connect(&check_, &QTimer::timeout, [this] { Check(); });
}

std::chrono::milliseconds ProgressWatchdog::LimitFromEnvironment()
{
    const char* text = std::getenv("TAVOCLIP_CONV_STALL_SECONDS");
    if (!text) return kDefaultLimit;
    const std::string_view value(text);
    long long seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (error != std::errc() || end != value.data() + value.size() || seconds <= 0) return kDefaultLimit;
    // Past a few decades, in effect no limit; any more would overflow.
    return std::chrono::seconds(std::min(seconds, kLongestLimitSeconds));
}

void ProgressWatchdog::Start()
{
    sinceProgress_.start();
    check_.start(std::min(limit_, kCheckInterval));
}

void ProgressWatchdog::Check()
{
    if (sinceProgress_.elapsed() < limit_.count()) return;
    check_.stop();
    onStalled_();
}

std::string ProgressWatchdog::LimitText() const
{
    const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(limit_).count();
    if (seconds % 60 != 0) return std::to_string(seconds) + " s";
    const long long minutes = seconds / 60;
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

}  // namespace tavoclip
