#pragma once

namespace tavoclip {

// The operations the main window's controls lead to that belong to other
// parts of the program (the open-files dialog, folder import, removal, the
// options and feedback forms, the output folder chooser, the batch). The
// window only routes to them; main wires in the real ones and tests a
// recorder.
class ShellOperations {
public:
    virtual ~ShellOperations() = default;
    virtual void AddFiles() = 0;            // imgAdd_Click
    virtual void AddFolder() = 0;           // AddFolder
    virtual void RemoveSelected() = 0;      // imgRemove_Click
    virtual void RemoveAll() = 0;           // menuRemoveAll_Click
    virtual void ShowOptions() = 0;         // frmOptions, modal
    virtual void ShowFeedback() = 0;        // frmSuggest, modal
    virtual void BrowseOutputFolder() = 0;  // imgBrowse_Click
    virtual void StartBatch() = 0;          // imgStart_Click
    // The Options menu's "Keep Folder Structure": its state, and a change
    // of it, which applies from the next file on and is saved at once.
    virtual bool KeepFolders() const = 0;
    virtual void SetKeepFolders(bool on) = 0;
};

}  // namespace tavoclip
