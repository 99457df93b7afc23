#pragma once

#include <cstddef>

namespace tavoclip {

// Follows a batch from outside the window: which file is under way, how far
// it has got, and the batch's end.
class BatchProgressObserver {
public:
    virtual ~BatchProgressObserver() = default;
    // File number position (from 1) of the batch starts converting.
    virtual void FileStarted(std::size_t position) = 0;
    // The current file's share done, 0..1, as its progress bar shows it.
    virtual void FileProgress(double share) = 0;
    // The current file's converter has ended.
    virtual void FileEnded() = 0;
    // The batch finished or stopped.
    virtual void BatchOver() = 0;
};

}  // namespace tavoclip
