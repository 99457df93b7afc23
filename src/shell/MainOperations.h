#pragma once

#include <functional>

#include "ShellOperations.h"

namespace tavoclip {

class EventPump;
class SourceQueue;
class frmMain;

// The operations behind the main window's controls as far as they are built:
// adding files with the desktop's file dialog, removing selected or all
// entries, choosing the output folder and starting the batch. The options
// and feedback forms open through the functions main sets; the folder import
// is not wired in yet and does nothing.
class MainOperations final : public ShellOperations {
public:
    MainOperations(SourceQueue& queue, EventPump& pump, std::function<void()> startBatch);
    // The window is created after its operations; set it before showing it.
    void SetWindow(frmMain* window) { window_ = window; }
    void SetFormOpeners(std::function<void()> showOptions, std::function<void()> showFeedback)
    {
        showOptions_ = std::move(showOptions);
        showFeedback_ = std::move(showFeedback);
    }

    void AddFiles() override;
    void AddFolder() override {}
    void RemoveSelected() override;
    void RemoveAll() override;
    void ShowOptions() override { if (showOptions_) showOptions_(); }
    void ShowFeedback() override { if (showFeedback_) showFeedback_(); }
    void BrowseOutputFolder() override;
    void StartBatch() override;

private:
    SourceQueue& queue_;
    EventPump& pump_;
    std::function<void()> startBatch_;
    std::function<void()> showOptions_;
    std::function<void()> showFeedback_;
    frmMain* window_ = nullptr;
};

}  // namespace tavoclip
