#include "BatchProgressRelay.h"

#include <algorithm>

#include "ProgressTracker.h"

namespace tavoclip {

void BatchProgressRelay::SetControlEnabled(std::string_view name, int index, bool enabled)
{
    view_.SetControlEnabled(name, index, enabled);
}

// The bar's width is the file's share on the full bar's scale.
void BatchProgressRelay::SetProgressBarWidth(float twips)
{
    view_.SetProgressBarWidth(twips);
    observer_.FileProgress(std::clamp(twips / ProgressTracker::kFullBarTwips, 0.0f, 1.0f));
}

void BatchProgressRelay::SetProgressCaption(const std::string& caption)
{
    view_.SetProgressCaption(caption);
}

std::string BatchProgressRelay::OutputFolderText() const
{
    return view_.OutputFolderText();
}

BatchSelections BatchProgressRelay::CurrentSelections() const
{
    return view_.CurrentSelections();
}

void BatchProgressRelay::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon)
{
    view_.ShowMessage(text, title, icon);
}

void BatchProgressRelay::FileStarting(std::size_t position, std::size_t total, const ConverterCommand& command,
                                      const std::string& source)
{
    view_.FileStarting(position, total, command, source);
    observer_.FileStarted(position);
}

void BatchProgressRelay::FileEnded(const FileOutcome& outcome)
{
    view_.FileEnded(outcome);
    observer_.FileEnded();
}

// Only a batch of several files at once reports progress this way, and the
// window runs one file at a time: it goes to the window alone.
void BatchProgressRelay::FileProgress(std::size_t position, float barTwips, const std::string& caption)
{
    view_.FileProgress(position, barTwips, caption);
}

void BatchProgressRelay::BatchEnded(bool stopped, std::size_t notConverted)
{
    view_.BatchEnded(stopped, notConverted);
    observer_.BatchOver();
}

}  // namespace tavoclip
