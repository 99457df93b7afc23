#pragma once

#include <functional>

#include "ShellOperations.h"

namespace tavoclip {

class EventPump;
class SourceQueue;
class frmMain;

// The operations behind the main window's controls as far as they are built:
// adding files with the desktop's file dialog, removing selected or all
// entries, choosing the output folder and starting the batch. The folder
// import and the options and feedback forms are not wired in yet and do
// nothing.
class MainOperations final : public ShellOperations {
public:
    MainOperations(SourceQueue& queue, EventPump& pump, std::function<void()> startBatch);
    // The window is created after its operations; set it before showing it.
    void SetWindow(frmMain* window) { window_ = window; }

    void AddFiles() override;
    void AddFolder() override {}
    void RemoveSelected() override;
    void RemoveAll() override;
    void ShowOptions() override {}
    void ShowFeedback() override {}
    void BrowseOutputFolder() override;
    void StartBatch() override;

private:
    SourceQueue& queue_;
    EventPump& pump_;
    std::function<void()> startBatch_;
    frmMain* window_ = nullptr;
};

}  // namespace tavoclip
