#include "SegmentedAmrEncoder.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace tavoclip {
namespace {

constexpr std::size_t kFrameBytes = AmrNbEncoder::kFrameSamples * 2;
constexpr std::size_t kSegmentBytes = SegmentedAmrEncoder::kSegmentFrames * kFrameBytes;
constexpr std::size_t kWarmUpBytes = SegmentedAmrEncoder::kWarmUpFrames * kFrameBytes;

}  // namespace

SegmentedAmrEncoder::SegmentedAmrEncoder(AmrNbMode mode, unsigned threads)
    : mode_(mode), threads_(std::max(1u, threads)), valid_(AmrNbEncoder(mode).valid()) {}

// A future from std::async waits for its thread when destroyed: a run that
// is stopped half-way waits for at most the segments still encoding.
SegmentedAmrEncoder::~SegmentedAmrEncoder() = default;

void SegmentedAmrEncoder::Submit(std::string pcm, std::size_t warmUpBytes, bool last) {
    const bool header = std::exchange(first_, false);
    running_.push_back(std::async(std::launch::async, [mode = mode_, pcm = std::move(pcm), warmUpBytes, header, last] {
        AmrNbEncoder encoder(mode, false);
        encoder.Encode(std::string_view(pcm).substr(0, warmUpBytes));
        const std::int64_t heard = encoder.samplesEncoded();
        Segment segment;
        if (header) segment.frames = AmrNbEncoder::kFileHeader;
        segment.frames += encoder.Encode(std::string_view(pcm).substr(warmUpBytes));
        if (last) segment.frames += encoder.Finish();
        segment.samples = encoder.samplesEncoded() - heard;
        return segment;
    }));
}

std::string SegmentedAmrEncoder::TakeOldest() {
    Segment segment = running_.front().get();
    running_.pop_front();
    samplesEncoded_ += segment.samples;
    return std::move(segment.frames);
}

std::string SegmentedAmrEncoder::TakeFinished(bool wait) {
    std::string out;
    while (!running_.empty() &&
           (wait || running_.front().wait_for(std::chrono::seconds(0)) == std::future_status::ready))
        out += TakeOldest();
    return out;
}

std::string SegmentedAmrEncoder::Encode(std::string_view pcm) {
    pending_.append(pcm);
    std::string out;
    while (pending_.size() >= warmUpBytes_ + kSegmentBytes) {
        if (running_.size() >= 2 * threads_) out += TakeOldest();
        const std::size_t end = warmUpBytes_ + kSegmentBytes;
        Submit(pending_.substr(0, end), warmUpBytes_, false);
        // The end of this segment is the warm-up of the next.
        pending_.erase(0, end - kWarmUpBytes);
        warmUpBytes_ = kWarmUpBytes;
    }
    return out + TakeFinished(false);
}

std::string SegmentedAmrEncoder::Finish() {
    // The last segment also writes the header of an empty file and pads a
    // partial frame.
    if (pending_.size() > warmUpBytes_ || first_) Submit(std::exchange(pending_, {}), warmUpBytes_, true);
    pending_.clear();
    warmUpBytes_ = 0;
    return TakeFinished(true);
}

}  // namespace tavoclip
