#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "BatchView.h"
#include "TimeLeftEstimate.h"

namespace tavoclip {

class BatchDriver;

// The batch driver's view in a console. On a terminal it keeps one redrawn
// line: a bar, the caption the window would show, file k of n and its name.
// Elsewhere it prints one line per event for scripts:
//   START k/n SOURCE, PROGRESS CAPTION, DONE SOURCE -> OUTPUT,
//   FAILED SOURCE: REASON, and last SUMMARY c converted, f failed (with
//   ", s not converted" added when a stopped batch left files).
// When several files convert at once, PROGRESS lines carry the file's
// number (PROGRESS k/n CAPTION) and the terminal line shows one bar for the
// whole batch followed by the files in hand.
// In these lines, on the terminal line and in messages, names and reasons
// are escaped by EscapeForLine (\n, \t, \xHH, \uHHHH for C1 controls and
// U+2028/U+2029, and \\ for the backslash; on a terminal also bytes that
// are not UTF-8, as \xHH), so every event stays one line.
// Message boxes go to the error stream as "TITLE: TEXT".
// The terminal line ends with the batch's time left once it is known
// ("  about 2 min left"); script lines never carry it.
class ConsoleBatchView : public BatchView {
public:
    ConsoleBatchView(std::FILE* out, std::FILE* err, bool terminal, std::function<void()> onEnded);

    // Takes the driver's file and batch events from now on.
    void Follow(const BatchDriver& driver);

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void FileStarted(std::size_t position, std::size_t total, const std::string& source);
    void FileProgress(std::size_t position, double share, const std::string& caption);
    void FileEnded(const FileOutcome& outcome);
    void ProgressCleared(const std::string& caption);
    void Summary(bool stopped, std::size_t notConverted);

    // Several files will convert at once: the terminal line shows them all
    // from the first file on.
    void ShowSeveralFiles() { several_ = true; }
    // The clock the time left is measured by, in seconds; a steady clock
    // unless replaced.
    void SetClock(std::function<double()> secondsNow) { secondsNow_ = std::move(secondsNow); }

    std::size_t converted() const { return converted_; }
    std::size_t failed() const { return failed_; }
    // 0 when every file converted, 1 when any failed or the batch stopped.
    int exitStatus() const { return failed_ == 0 && !stopped_ ? 0 : 1; }
    bool stopped() const { return stopped_; }

private:
    void Redraw();
    void RedrawSeveral();
    void EndRedrawnLine();
    std::string Shown(std::string_view text) const;
    std::string TimeLeft(double share);
    void PrintProgress(const std::string& caption, std::string& printed, const std::string& prefix);

    std::FILE* out_;
    std::FILE* err_;
    bool terminal_;
    std::function<void()> onEnded_;

    float share_ = 0;
    std::string caption_;
    std::string printedCaption_;
    std::string fileName_;
    std::size_t position_ = 0;
    std::size_t total_ = 0;
    bool lineOpen_ = false;
    std::size_t converted_ = 0;
    std::size_t failed_ = 0;
    bool stopped_ = false;

    // The files in hand by number, for several at once.
    struct InHand {
        std::string name;
        float share = 0;
        std::string caption;
        std::string printedCaption;
    };
    std::map<std::size_t, InHand> inHand_;
    bool several_ = false;
    std::function<double()> secondsNow_;
    double startSeconds_ = 0;
    TimeLeftEstimate estimate_;
};

}  // namespace tavoclip
