#pragma once

#include <functional>

#include "ShellOperations.h"

namespace tavoclip {

class SourceListActions;

// The operations behind the main window's controls: the source list's
// actions (adding a file or a folder, removing, the output folder chooser)
// and starting the batch. The options and feedback forms open through the
// functions main sets.
class MainOperations final : public ShellOperations {
public:
    explicit MainOperations(std::function<void()> startBatch);
    // The list actions work on the window's controls, so they are made after
    // the window; set them before showing it.
    void SetSourceActions(SourceListActions* actions) { sources_ = actions; }
    // The folder structure choice as saved, and where a change of it goes.
    void SetKeepFoldersChoice(bool on, std::function<void(bool)> changed)
    {
        keepFolders_ = on;
        keepFoldersChanged_ = std::move(changed);
    }
    void SetFormOpeners(std::function<void()> showOptions, std::function<void()> showFeedback)
    {
        showOptions_ = std::move(showOptions);
        showFeedback_ = std::move(showFeedback);
    }

    void AddFiles() override;
    void AddFolder() override;
    void RemoveSelected() override;
    void RemoveAll() override;
    void ShowOptions() override { if (showOptions_) showOptions_(); }
    void ShowFeedback() override { if (showFeedback_) showFeedback_(); }
    void BrowseOutputFolder() override;
    void StartBatch() override;
    bool KeepFolders() const override { return keepFolders_; }
    void SetKeepFolders(bool on) override;

private:
    std::function<void()> startBatch_;
    std::function<void()> showOptions_;
    std::function<void()> showFeedback_;
    SourceListActions* sources_ = nullptr;
    bool keepFolders_ = false;
    std::function<void(bool)> keepFoldersChanged_;
};

}  // namespace tavoclip
