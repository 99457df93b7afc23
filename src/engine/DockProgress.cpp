#include "DockProgress.h"

#include <cmath>

#include "BatchDriver.h"
#include "SourceQueue.h"

namespace tavoclip {

DockProgress::DockProgress(const SourceQueue& queue, LauncherEntry& entry, QObject* parent)
    : QObject(parent), queue_(queue), entry_(entry) {}

void DockProgress::Follow(const BatchDriver& driver)
{
    connect(&driver, &BatchDriver::fileStarted, this, [this](std::size_t position) { FileStarted(position); });
    connect(&driver, &BatchDriver::fileProgress, this,
            [this](std::size_t position, double share) { FileProgress(position, share); });
    connect(&driver, &BatchDriver::fileEnded, this,
            [this](const FileOutcome& outcome) { FileEnded(outcome.position); });
    // The display empties before any failure box, which may stay open long
    // after the batch has ended; a batch that ends without emptying it
    // (a converter that could not start) ends here.
    connect(&driver, &BatchDriver::progressCleared, this, [this] { BatchOver(); });
    connect(&driver, &BatchDriver::batchEnded, this, [this] { BatchOver(); });
}

void DockProgress::FileStarted(std::size_t position)
{
    if (position == 1)
        share_.Reset();
    share_.FileStarted(position);
    ++inHand_;
    Publish();
}

void DockProgress::FileProgress(std::size_t position, double share)
{
    share_.FileProgress(position, share);
    if (inHand_ > 0)
        Publish();
}

void DockProgress::FileEnded(std::size_t position)
{
    share_.FileEnded(position);
    if (inHand_ > 0)
        --inHand_;
}

void DockProgress::BatchOver()
{
    inHand_ = 0;
    share_.Reset();
    if (!shown_)
        return;
    shown_.reset();
    entry_.Update(LauncherBadge{0, false, 0, false});
}

// The queue holds the files left: those in hand and those waiting.
void DockProgress::Publish()
{
    const std::size_t left = queue_.count();
    if (share_.endedCount() + left == 0)
        return;
    const LauncherBadge badge{share_.Share(left), true, static_cast<qint64>(left), true};
    if (shown_ && shown_->count == badge.count && std::abs(shown_->progress - badge.progress) < kStep)
        return;
    shown_ = badge;
    entry_.Update(badge);
}

}  // namespace tavoclip
