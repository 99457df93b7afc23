#include "TimeLeftEstimate.h"

#include <algorithm>
#include <cmath>

namespace tavoclip {

void TimeLeftEstimate::Update(double elapsedSeconds, double shareDone)
{
    elapsed_ = std::max(0.0, elapsedSeconds);
    share_ = std::clamp(shareDone, 0.0, 1.0);
}

double TimeLeftEstimate::SecondsLeft() const
{
    if (elapsed_ < kWarmUpSeconds || share_ <= 0) return -1;
    return elapsed_ * (1.0 - share_) / share_;
}

std::string TimeLeftEstimate::Text() const
{
    const double left = SecondsLeft();
    if (left < 0) return {};
    if (left < 60) return "less than a minute left";
    const long minutes = std::lround(left / 60.0);
    return "about " + std::to_string(minutes) + " min left";
}

}  // namespace tavoclip
