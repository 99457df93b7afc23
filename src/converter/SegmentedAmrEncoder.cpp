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
    : mode_(mode), threads_(std::max(1u, threads)), lead_(std::make_unique<AmrNbEncoder>(mode))
{
    valid_ = lead_->valid();
}

// A future from std::async waits for its thread when destroyed: a run that
// is stopped half-way waits for at most the segments still encoding.
SegmentedAmrEncoder::~SegmentedAmrEncoder() = default;

// Encodes the first segment's complete frames up to kLeadFrames that have not
// been encoded yet.
std::string SegmentedAmrEncoder::EncodeLead()
{
    const std::size_t end = std::min(kLeadFrames * kFrameBytes, pending_.size() / kFrameBytes * kFrameBytes);
    if (!lead_ || end <= leadBytes_) return {};
    const std::int64_t before = lead_->samplesEncoded();
    std::string out = lead_->Encode(std::string_view(pending_).substr(leadBytes_, end - leadBytes_));
    samplesEncoded_ += lead_->samplesEncoded() - before;
    leadBytes_ = end;
    return out;
}

// pcm starts at the segment's warm-up; the first segment's starts at the
// file's start, its lead already encoded.
void SegmentedAmrEncoder::Submit(std::string pcm, std::size_t warmUpBytes, bool last)
{
    std::size_t skip = warmUpBytes;
    std::unique_ptr<AmrNbEncoder> encoder = std::move(lead_);
    if (encoder) skip = std::exchange(leadBytes_, 0);
    else encoder = std::make_unique<AmrNbEncoder>(mode_, false);
    running_.push_back(std::async(std::launch::async, [encoder = std::move(encoder), pcm = std::move(pcm), warmUpBytes,
                                                       skip, last] {
        if (warmUpBytes > 0) encoder->Encode(std::string_view(pcm).substr(0, warmUpBytes));
        const std::int64_t heard = encoder->samplesEncoded();
        Segment segment;
        segment.frames = encoder->Encode(std::string_view(pcm).substr(skip));
        if (last) segment.frames += encoder->Finish();
        segment.samples = encoder->samplesEncoded() - heard;
        return segment;
    }));
}

std::string SegmentedAmrEncoder::TakeOldest()
{
    Segment segment = running_.front().get();
    running_.pop_front();
    samplesEncoded_ += segment.samples;
    return std::move(segment.frames);
}

std::string SegmentedAmrEncoder::TakeFinished(bool wait)
{
    std::string out;
    while (!running_.empty() &&
           (wait || running_.front().wait_for(std::chrono::seconds(0)) == std::future_status::ready))
        out += TakeOldest();
    return out;
}

std::string SegmentedAmrEncoder::Encode(std::string_view pcm)
{
    pending_.append(pcm);
    std::string out = EncodeLead();
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

std::string SegmentedAmrEncoder::Finish()
{
    // The last segment also writes the header of an empty file and pads a
    // partial frame.
    if (pending_.size() > warmUpBytes_ || lead_) Submit(std::exchange(pending_, {}), warmUpBytes_, true);
    pending_.clear();
    warmUpBytes_ = 0;
    return TakeFinished(true);
}

}  // namespace tavoclip
