#pragma once

#include <cstddef>
#include <optional>

#include <QObject>

#include "LauncherEntry.h"

namespace tavoclip {

class BatchDriver;
class SourceQueue;

// The batch's progress on the program's dock icon: a bar for the whole batch
// (files done plus the current file's share, over the files in the batch)
// and the number of files left, the current one included. The queue is read
// at every update, so files added during the batch count at once. The end
// of the batch clears both, before any failure box. It follows a batch of one file at a time (the
// window's).
class DockProgress final : public QObject {
    Q_OBJECT
public:
    DockProgress(const SourceQueue& queue, LauncherEntry& entry, QObject* parent = nullptr);

    // Takes the driver's file and batch events from now on.
    void Follow(const BatchDriver& driver);

    // File number position (from 1) of the batch starts converting.
    void FileStarted(std::size_t position);
    // The current file's share done, 0..1.
    void FileProgress(double share);
    // The current file's converter has ended.
    void FileEnded();
    // The batch finished or stopped.
    void BatchOver();

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
