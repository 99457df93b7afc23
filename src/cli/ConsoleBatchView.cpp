#include "ConsoleBatchView.h"

#include <algorithm>

#include "BatchDriver.h"

namespace tavoclip {
namespace {

constexpr int kBarCharacters = 24;

// A name as the script lines carry it: a line end or another control
// character in it would split or forge a line, so these are written
// escaped (\n, \t, \xHH), and the backslash itself as \\.
std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\t') {
            result += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            result += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

ConsoleBatchView::ConsoleBatchView(std::FILE* out, std::FILE* err, bool terminal, std::function<void()> onEnded)
    : out_(out), err_(err), terminal_(terminal), onEnded_(std::move(onEnded)) {}

void ConsoleBatchView::Follow(const BatchDriver& driver) {
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

void ConsoleBatchView::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
    EndRedrawnLine();
    std::fprintf(err_, "%s: %s\n", Escaped(title).c_str(), Escaped(text).c_str());
    std::fflush(err_);
}

void ConsoleBatchView::FileStarted(std::size_t position, std::size_t total, const std::string& source) {
    position_ = position;
    total_ = total;
    fileName_ = GetFileName(source, PathStyle::Posix);
    printedCaption_.clear();
    inHand_[position] = {fileName_, 0, {}, {}};
    if (terminal_) {
        several_ ? RedrawSeveral() : Redraw();
    } else {
        std::fprintf(out_, "START %zu/%zu %s\n", position, total, Escaped(source).c_str());
        std::fflush(out_);
    }
}

void ConsoleBatchView::FileEnded(const FileOutcome& outcome) {
    outcome.converted ? ++converted_ : ++failed_;
    inHand_.erase(outcome.position);
    EndRedrawnLine();
    if (outcome.converted) {
        std::fprintf(out_, "DONE %s -> %s\n", Escaped(outcome.source).c_str(), Escaped(outcome.outputPath).c_str());
    } else {
        std::fprintf(out_, "FAILED %s: %s\n", Escaped(outcome.source).c_str(), Escaped(outcome.reason).c_str());
    }
    std::fflush(out_);
    if (terminal_ && several_ && !inHand_.empty()) RedrawSeveral();
}

// Scripts get each new percentage once per file. One file at a time prints
// the caption alone, as the window shows it; several at once name the file.
void ConsoleBatchView::FileProgress(std::size_t position, double share, const std::string& caption) {
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

void ConsoleBatchView::PrintProgress(const std::string& caption, std::string& printed, const std::string& prefix) {
    if (!caption.ends_with('%') || caption == printed) return;
    printed = caption;
    std::fprintf(out_, "PROGRESS %s%s\n", prefix.c_str(), caption.c_str());
    std::fflush(out_);
}

// "Done." at the end of the batch is the summary's business on a script's
// lines; a terminal shows it until the summary.
void ConsoleBatchView::ProgressCleared(const std::string& caption) {
    share_ = 0;
    if (!caption.empty()) caption_ = caption;
    if (terminal_) Redraw();
}

// The third count appears only when files were left unconverted, so the
// line of a batch that ran to its end keeps its long-standing form.
void ConsoleBatchView::Summary(bool stopped, std::size_t notConverted) {
    stopped_ = stopped;
    EndRedrawnLine();
    std::fprintf(out_, "SUMMARY %zu converted, %zu failed", converted_, failed_);
    if (notConverted > 0) std::fprintf(out_, ", %zu not converted", notConverted);
    std::fputc('\n', out_);
    std::fflush(out_);
    if (onEnded_) onEnded_();
}

void ConsoleBatchView::Redraw() {
    const int filled = static_cast<int>(share_ * kBarCharacters + 0.5f);
    const std::string bar = std::string(filled, '#') + std::string(kBarCharacters - filled, '-');
    std::fprintf(out_, "\r\x1b[K[%s] %-6s file %zu of %zu: %s", bar.c_str(), caption_.c_str(), position_, total_,
                 fileName_.c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

// One bar for the whole batch: the ended files count whole, the files in
// hand by their share; then each file in hand with its caption.
void ConsoleBatchView::RedrawSeveral() {
    float done = static_cast<float>(converted_ + failed_);
    std::string files;
    for (const auto& [position, file] : inHand_) {
        done += file.share;
        files += "  " + file.name + " " + (file.caption.empty() ? std::string("0%") : file.caption);
    }
    const float share = total_ == 0 ? 0.0f : std::clamp(done / static_cast<float>(total_), 0.0f, 1.0f);
    const int filled = static_cast<int>(share * kBarCharacters + 0.5f);
    const std::string bar = std::string(filled, '#') + std::string(kBarCharacters - filled, '-');
    std::fprintf(out_, "\r\x1b[K[%s] %3d%% %zu of %zu done:%s", bar.c_str(), static_cast<int>(share * 100 + 0.5f),
                 converted_ + failed_, total_, files.c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

void ConsoleBatchView::EndRedrawnLine() {
    if (!lineOpen_) return;
    std::fputs("\r\x1b[K", out_);
    lineOpen_ = false;
}

}  // namespace tavoclip
