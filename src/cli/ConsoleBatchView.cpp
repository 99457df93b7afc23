#include "ConsoleBatchView.h"

#include <algorithm>

#include "ProgressTracker.h"

namespace tavoclip {
namespace {
constexpr int kBarCharacters = 24;
}

ConsoleBatchView::ConsoleBatchView(std::FILE* out, std::FILE* err, bool terminal, BatchSelections selections,
                                   std::string outputFolder, std::function<void()> onEnded)
    : out_(out),
      err_(err),
      terminal_(terminal),
      selections_(std::move(selections)),
      outputFolder_(std::move(outputFolder)),
      onEnded_(std::move(onEnded)) {}

void ConsoleBatchView::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
    EndRedrawnLine();
    std::fprintf(err_, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(err_);
}

void ConsoleBatchView::SetProgressBarWidth(float twips) {
    barTwips_ = twips;
    if (terminal_) Redraw();
}

// Scripts get each new percentage once per file; "Done." at the end of the
// batch is the summary's business.
void ConsoleBatchView::SetProgressCaption(const std::string& caption) {
    caption_ = caption;
    if (terminal_) {
        Redraw();
    } else if (caption.ends_with('%') && caption != printedCaption_) {
        printedCaption_ = caption;
        std::fprintf(out_, "PROGRESS %s\n", caption.c_str());
        std::fflush(out_);
    }
}

void ConsoleBatchView::FileStarting(std::size_t position, std::size_t total, const ConverterCommand&,
                                    const std::string& source) {
    position_ = position;
    total_ = total;
    fileName_ = GetFileName(source, PathStyle::Posix);
    printedCaption_.clear();
    if (terminal_) {
        Redraw();
    } else {
        std::fprintf(out_, "START %zu/%zu %s\n", position, total, source.c_str());
        std::fflush(out_);
    }
}

void ConsoleBatchView::FileEnded(const FileOutcome& outcome) {
    outcome.converted ? ++converted_ : ++failed_;
    EndRedrawnLine();
    if (outcome.converted) {
        std::fprintf(out_, "DONE %s -> %s\n", outcome.source.c_str(), outcome.outputPath.c_str());
    } else {
        std::fprintf(out_, "FAILED %s: %s\n", outcome.source.c_str(), outcome.reason.c_str());
    }
    std::fflush(out_);
}

void ConsoleBatchView::BatchEnded(bool stopped) {
    stopped_ = stopped;
    EndRedrawnLine();
    std::fprintf(out_, "SUMMARY %zu converted, %zu failed\n", converted_, failed_);
    std::fflush(out_);
    if (onEnded_) onEnded_();
}

void ConsoleBatchView::Redraw() {
    const float share = std::clamp(barTwips_ / ProgressTracker::kFullBarTwips, 0.0f, 1.0f);
    const int filled = static_cast<int>(share * kBarCharacters + 0.5f);
    const std::string bar = std::string(filled, '#') + std::string(kBarCharacters - filled, '-');
    std::fprintf(out_, "\r\x1b[K[%s] %-6s file %zu of %zu: %s", bar.c_str(), caption_.c_str(), position_, total_,
                 fileName_.c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

void ConsoleBatchView::EndRedrawnLine() {
    if (!lineOpen_) return;
    std::fputs("\r\x1b[K", out_);
    lineOpen_ = false;
}

}  // namespace tavoclip
