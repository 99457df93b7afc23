#include "BatchShare.h"

#include <algorithm>

namespace tavoclip {

void BatchShare::Reset()
{
    ended_ = 0;
    inHand_.clear();
}

void BatchShare::FileStarted(std::size_t position) { inHand_[position] = 0; }

void BatchShare::FileProgress(std::size_t position, double share)
{
    const auto file = inHand_.find(position);
    if (file != inHand_.end()) file->second = std::clamp(share, 0.0, 1.0);
}

// Only converted or failed files end: a file stopped in the middle stays
// queued and the driver reports no end for it.
void BatchShare::FileEnded(std::size_t position)
{
    inHand_.erase(position);
    ++ended_;
}

double BatchShare::Share(std::size_t filesQueued) const
{
    const std::size_t total = ended_ + filesQueued;
    if (total == 0) return 0;
    double done = static_cast<double>(ended_);
    for (const auto& [position, share] : inHand_) done += share;
    return std::clamp(done / static_cast<double>(total), 0.0, 1.0);
}

}  // namespace tavoclip
