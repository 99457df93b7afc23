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

long TimeLeftEstimate::MinutesLeft() const
{
    const double left = SecondsLeft();
    if (left < 0) return -1;
    if (left < 60) return 0;
    return std::lround(left / 60.0);
}

}  // namespace tavoclip
