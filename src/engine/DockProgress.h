#pragma once

#include <cstddef>
#include <optional>

#include <QObject>

#include "BatchShare.h"
#include "LauncherEntry.h"

namespace tavoclip {

class BatchDriver;
class SourceQueue;

// The batch's progress on the program's dock icon: a bar for the whole batch
// (files ended plus the shares of the files in hand, over the files in the
// batch) and the number of files left, those in hand included. The queue is read
// at every update, so files added during the batch count at once. The end
// of the batch clears both, before any failure box. Files may convert one
// at a time or several at once.
class DockProgress final : public QObject {
    Q_OBJECT
public:
    DockProgress(const SourceQueue& queue, LauncherEntry& entry, QObject* parent = nullptr);

    // Takes the driver's file and batch events from now on.
    void Follow(const BatchDriver& driver);

    // File number position (from 1) of the batch starts converting.
    void FileStarted(std::size_t position);
    // That file's share done, 0..1.
    void FileProgress(std::size_t position, double share);
    // That file converted or failed.
    void FileEnded(std::size_t position);
    // The batch finished or stopped.
    void BatchOver();

    // Progress moves of less than this are not sent: a dock draws a few
    // dozen pixels, and the converter reports many times a second.
    static constexpr double kStep = 0.005;

private:
    void Publish();

    const SourceQueue& queue_;
    LauncherEntry& entry_;
    BatchShare share_;
    std::size_t inHand_ = 0;
    std::optional<LauncherBadge> shown_;
};

}  // namespace tavoclip
