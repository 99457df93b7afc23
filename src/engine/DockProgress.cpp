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
            [this](std::size_t, double share) { FileProgress(share); });
    connect(&driver, &BatchDriver::fileEnded, this, [this] { FileEnded(); });
    // The display empties before any failure box, which may stay open long
    // after the batch has ended; a batch that ends without emptying it
    // (a converter that could not start) ends here.
    connect(&driver, &BatchDriver::progressCleared, this, [this] { BatchOver(); });
    connect(&driver, &BatchDriver::batchEnded, this, [this] { BatchOver(); });
}

void DockProgress::FileStarted(std::size_t position)
{
    filesDone_ = position > 0 ? position - 1 : 0;
    converting_ = true;
    Publish(0);
}

void DockProgress::FileProgress(double share)
{
    if (converting_)
        Publish(share);
}

void DockProgress::FileEnded()
{
    converting_ = false;
}

void DockProgress::BatchOver()
{
    converting_ = false;
    filesDone_ = 0;
    if (!shown_)
        return;
    shown_.reset();
    entry_.Update(LauncherBadge{0, false, 0, false});
}

// While a file converts it is the queue's head, so the queue holds the
// files left, the current one included.
void DockProgress::Publish(double share)
{
    const std::size_t left = queue_.count();
    const std::size_t total = filesDone_ + left;
    if (total == 0)
        return;
    const LauncherBadge badge{(static_cast<double>(filesDone_) + share) / static_cast<double>(total), true,
                              static_cast<qint64>(left), true};
    if (shown_ && shown_->count == badge.count && std::abs(shown_->progress - badge.progress) < kStep)
        return;
    shown_ = badge;
    entry_.Update(badge);
}

}  // namespace tavoclip
