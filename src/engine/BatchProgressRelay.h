#pragma once

#include "BatchProgressObserver.h"
#include "BatchView.h"

namespace tavoclip {

// Stands between the batch driver and the window: every call goes on to the
// window unchanged, and the batch's progress also goes to an observer. The
// driver and the window stay as they are; main puts this between them.
class BatchProgressRelay final : public BatchView {
public:
    BatchProgressRelay(BatchView& view, BatchProgressObserver& observer) : view_(view), observer_(observer) {}

    void SetControlEnabled(std::string_view name, int index, bool enabled) override;
    void SetProgressBarWidth(float twips) override;
    void SetProgressCaption(const std::string& caption) override;
    std::string OutputFolderText() const override;
    BatchSelections CurrentSelections() const override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void FileStarting(std::size_t position, std::size_t total, const ConverterCommand& command,
                      const std::string& source) override;
    void FileEnded(const FileOutcome& outcome) override;
    void FileProgress(std::size_t position, float barTwips, const std::string& caption) override;
    void BatchEnded(bool stopped, std::size_t notConverted) override;

private:
    BatchView& view_;
    BatchProgressObserver& observer_;
};

}  // namespace tavoclip
