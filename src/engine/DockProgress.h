#pragma once

#include <cstddef>
#include <optional>

#include "BatchProgressObserver.h"
#include "LauncherEntry.h"

namespace tavoclip {

class SourceQueue;

// The batch's progress on the program's dock icon: a bar for the whole batch
// (files done plus the current file's share, over the files in the batch)
// and the number of files left, the current one included. The queue is read
// at every update, so files added during the batch count at once. Finish
// clears both.
class DockProgress final : public BatchProgressObserver {
public:
    DockProgress(const SourceQueue& queue, LauncherEntry& entry);

    void FileStarted(std::size_t position) override;
    void FileProgress(double share) override;
    void FileEnded() override;
    void BatchOver() override;

    // Progress moves of less than this are not sent: a dock draws a few
    // dozen pixels, and the converter reports many times a second.
    static constexpr double kStep = 0.005;

private:
    void Publish(double share);

    const SourceQueue& queue_;
    LauncherEntry& entry_;
    std::size_t filesDone_ = 0;
    bool converting_ = false;
    std::optional<LauncherBadge> shown_;
};

}  // namespace tavoclip
