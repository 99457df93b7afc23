#pragma once

#include <cstddef>
#include <map>

namespace tavoclip {

// The share of a whole batch that is done, whatever the number of files
// converting at once: the files ended (converted or failed) plus the share
// of each file in hand, over the files ended plus those still queued (the
// queue holds the files in hand and those waiting, so files added during a
// batch count at once).
class BatchShare {
public:
    void Reset();
    void FileStarted(std::size_t position);
    void FileProgress(std::size_t position, double share);
    void FileEnded(std::size_t position);

    std::size_t endedCount() const { return ended_; }
    // filesQueued is the queue's length now.
    double Share(std::size_t filesQueued) const;

private:
    std::size_t ended_ = 0;
    std::map<std::size_t, double> inHand_;  // file number -> its share done
};

}  // namespace tavoclip
