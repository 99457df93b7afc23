#include "ConsoleBatchView.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>

#include "BatchDriver.h"
#include "LineEscape.h"
#include "MessageTexts.h"

namespace tavoclip {
namespace {

constexpr int kBarCharacters = 24;

}  // namespace

ConsoleBatchView::ConsoleBatchView(std::FILE* out, std::FILE* err, bool terminal, std::function<void()> onEnded)
    : out_(out), err_(err), terminal_(terminal), onEnded_(std::move(onEnded)), secondsNow_([] {
          return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
      }) {}

void ConsoleBatchView::Follow(const BatchDriver& driver)
{
    QObject::connect(&driver, &BatchDriver::fileStarted, &driver,
                     [this](std::size_t position, std::size_t total, const ConverterCommand&,
                            const std::string& source) { FileStarted(position, total, source); });
    QObject::connect(&driver, &BatchDriver::fileProgress, &driver,
                     [this](std::size_t position, double share, const std::string& caption) {
                         FileProgress(position, share, caption);
                     });
    QObject::connect(&driver, &BatchDriver::fileEnded, &driver,
                     [this](const FileOutcome& outcome) { FileEnded(outcome); });
    QObject::connect(&driver, &BatchDriver::progressCleared, &driver,
                     [this](const std::string& caption) { ProgressCleared(caption); });
    QObject::connect(&driver, &BatchDriver::batchEnded, &driver,
                     [this](bool stopped, std::size_t notConverted) { Summary(stopped, notConverted); });
}

void ConsoleBatchView::ShowMessage(const std::string& text, const std::string& title, MessageIcon)
{
    EndRedrawnLine();
    std::fprintf(err_, "%s: %s\n", Shown(MessageTexts::TranslateBytes(title)).c_str(), Shown(MessageTexts::TranslateBytes(text)).c_str());
    std::fflush(err_);
}

void ConsoleBatchView::FileStarted(std::size_t position, std::size_t total, const std::string& source)
{
    if (position == 1) startSeconds_ = secondsNow_();
    position_ = position;
    total_ = total;
    // The terminal line shows the name as the script lines do: raw, a line
    // break or an escape sequence in it would forge lines on the screen.
    fileName_ = Shown(GetFileName(source, PathStyle::Posix));
    printedCaption_.clear();
    inHand_[position] = {fileName_, 0, {}, {}};
    if (terminal_) {
        several_ ? RedrawSeveral() : Redraw();
    } else {
        std::fprintf(out_, "START %zu/%zu %s\n", position, total, EscapeForLine(source).c_str());
        std::fflush(out_);
    }
}

void ConsoleBatchView::FileEnded(const FileOutcome& outcome)
{
    outcome.converted ? ++converted_ : ++failed_;
    inHand_.erase(outcome.position);
    EndRedrawnLine();
    if (outcome.converted) {
        std::fprintf(out_, "DONE %s -> %s\n", Shown(outcome.source).c_str(), Shown(outcome.outputPath).c_str());
    } else {
        std::fprintf(out_, "FAILED %s: %s\n", Shown(outcome.source).c_str(), Shown(outcome.reason).c_str());
    }
    std::fflush(out_);
    if (terminal_ && several_ && !inHand_.empty()) RedrawSeveral();
}

// Scripts get each new percentage once per file. One file at a time prints
// the caption alone, as the window shows it; several at once name the file.
void ConsoleBatchView::FileProgress(std::size_t position, double share, const std::string& caption)
{
    if (!several_) {
        share_ = static_cast<float>(share);
        caption_ = caption;
        terminal_ ? Redraw() : PrintProgress(caption, printedCaption_, {});
        return;
    }
    const auto found = inHand_.find(position);
    if (found == inHand_.end()) return;
    InHand& file = found->second;
    file.share = static_cast<float>(share);
    file.caption = caption;
    if (terminal_) {
        RedrawSeveral();
    } else {
        PrintProgress(caption, file.printedCaption, std::to_string(position) + "/" + std::to_string(total_) + " ");
    }
}

void ConsoleBatchView::PrintProgress(const std::string& caption, std::string& printed, const std::string& prefix)
{
    if (!caption.ends_with('%') || caption == printed) return;
    printed = caption;
    std::fprintf(out_, "PROGRESS %s%s\n", prefix.c_str(), caption.c_str());
    std::fflush(out_);
}

// "Done." at the end of the batch is the summary's business on a script's
// lines; a terminal shows it until the summary.
void ConsoleBatchView::ProgressCleared(const std::string& caption)
{
    share_ = 0;
    if (!caption.empty()) caption_ = caption;
    if (terminal_) Redraw();
}

// The third count appears only when files were left unconverted, so the
// line of a batch that ran to its end keeps its long-standing form.
void ConsoleBatchView::Summary(bool stopped, std::size_t notConverted)
{
    stopped_ = stopped;
    EndRedrawnLine();
    std::fprintf(out_, "SUMMARY %zu converted, %zu failed", converted_, failed_);
    if (notConverted > 0) std::fprintf(out_, ", %zu not converted", notConverted);
    std::fputc('\n', out_);
    std::fflush(out_);
    if (onEnded_) onEnded_();
}

void ConsoleBatchView::Redraw()
{
    const int filled = static_cast<int>(share_ * kBarCharacters + 0.5f);
    const std::string bar = std::string(filled, '#') + std::string(kBarCharacters - filled, '-');
    // The files before this one are ended; this one counts by its share.
    const double whole = total_ == 0 ? 0.0 : (static_cast<double>(position_ > 0 ? position_ - 1 : 0) + share_) / static_cast<double>(total_);
    std::fprintf(out_, "\r\x1b[K[%s] %-6s %s: %s%s", bar.c_str(), qPrintable(MessageTexts::Translate(caption_)),
                 qPrintable(QCoreApplication::translate("ConsoleBatchView", "file %1 of %2").arg(position_).arg(total_)),
                 fileName_.c_str(), TimeLeft(whole).c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

// One bar for the whole batch: the ended files count whole, the files in
// hand by their share; then each file in hand with its caption.
void ConsoleBatchView::RedrawSeveral()
{
    float done = static_cast<float>(converted_ + failed_);
    std::string files;
    for (const auto& [position, file] : inHand_) {
        done += file.share;
        files += "  " + file.name + " " + (file.caption.empty() ? std::string("0%") : file.caption);
    }
    const float share = total_ == 0 ? 0.0f : std::clamp(done / static_cast<float>(total_), 0.0f, 1.0f);
    const int filled = static_cast<int>(share * kBarCharacters + 0.5f);
    const std::string bar = std::string(filled, '#') + std::string(kBarCharacters - filled, '-');
    std::fprintf(out_, "\r\x1b[K[%s] %3d%% %s:%s%s", bar.c_str(), static_cast<int>(share * 100 + 0.5f),
                 qPrintable(QCoreApplication::translate("ConsoleBatchView", "%1 of %2 done").arg(converted_ + failed_).arg(total_)),
                 files.c_str(), TimeLeft(share).c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

// Nothing until the estimate knows enough, and nothing once the batch is
// over ("Done." shows with an empty bar).
std::string ConsoleBatchView::TimeLeft(double share)
{
    if (total_ == 0 || position_ == 0 || caption_ == "Done.") return {};
    estimate_.Update(secondsNow_() - startSeconds_, share);
    const QString text = MessageTexts::TimeLeft(estimate_.MinutesLeft());
    return text.isEmpty() ? std::string() : "  " + text.toStdString();
}

// Scripts get a name's bytes that are not UTF-8 as they are; a terminal
// gets them escaped as well.
std::string ConsoleBatchView::Shown(std::string_view text) const
{
    return EscapeForLine(text, terminal_ ? InvalidBytes::Escape : InvalidBytes::Keep);
}

void ConsoleBatchView::EndRedrawnLine()
{
    if (!lineOpen_) return;
    // Flushed at once: a message on the error stream comes next and must
    // not land on the bar's line.
    std::fputs("\r\x1b[K", out_);
    std::fflush(out_);
    lineOpen_ = false;
}

}  // namespace tavoclip
