#pragma once

#include <string>
#include <string_view>

#include "ConverterCommand.h"
#include "MessageSink.h"

namespace tavoclip {

// What the batch driver reads from the window at every step.
struct BatchSelections {
    int formatIndex = 0;
    std::string videoBitrate;  // the list texts as shown: "256k", "320x240"
    std::string screenSize;
    std::string audioBitrate;
};

// How one file of a batch ended, as the driver judged it.
struct FileOutcome {
    std::string source;
    std::string outputPath;
    bool converted = false;
    std::string reason;  // why it failed; empty when converted
    std::size_t position = 0;  // the file's number, as given to FileStarting
};

// The window as the batch driver sees it. Controls are named by their
// objectName and, for control arrays, an index (-1 for a single control):
// "imgToolbar" 0..4 and 6, "imgMenu" 0..2, "imgConvert", "lblFeed", "imgAdd",
// "imgRemove", "imgStart", "imgBrowse". Message boxes come through the
// inherited MessageSink.
class BatchView : public MessageSink {
public:
    static constexpr int kNoIndex = -1;

    virtual void SetControlEnabled(std::string_view name, int index, bool enabled) = 0;
    // imgPB's width in twips (full bar 5415) and lblPB's caption.
    virtual void SetProgressBarWidth(float twips) = 0;
    virtual void SetProgressCaption(const std::string& caption) = 0;
    // txtPath exactly as typed.
    virtual std::string OutputFolderText() const = 0;
    virtual BatchSelections CurrentSelections() const = 0;

    // Hooks for views that report the batch file by file (the headless
    // command); the window needs none of them.
    virtual void FileStarting(std::size_t /*position*/, std::size_t /*total*/, const ConverterCommand& /*command*/,
                              const std::string& /*source*/) {}
    virtual void FileEnded(const FileOutcome& /*outcome*/) {}
    // The progress of file number position while several files convert at
    // once; the bar and caption calls above then stay unused.
    virtual void FileProgress(std::size_t /*position*/, float /*barTwips*/, const std::string& /*caption*/) {}
    // The batch has finished (Finish ran) or stopped (stopped is then true):
    // the converter could not be started, or Stop was asked for.
    // notConverted counts the files left that neither converted nor failed.
    virtual void BatchEnded(bool /*stopped*/, std::size_t /*notConverted*/) {}
};

}  // namespace tavoclip
