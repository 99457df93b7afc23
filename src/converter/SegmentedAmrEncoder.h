#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <string_view>

#include "AmrNbEncoder.h"

namespace tavoclip {

// Encodes AMR-NB on several threads at once, for the encoder is far slower
// than FFmpeg's decoding. The PCM is cut into segments of kSegmentFrames
// frames, each encoded by an encoder of its own that first hears the
// kWarmUpFrames frames before its segment, their output dropped: it then
// starts in nearly the state the encoder of the segment before ended in, and
// the seam cannot be heard. The cut depends on nothing but the PCM, so the
// bytes written are the same on any machine, whatever number of threads ran.
// The first kLeadFrames frames are encoded at once on the caller's thread, by
// the encoder that then finishes the first segment: a muxing FFmpeg waits for
// the first frames before it encodes any picture, and need not wait for a
// whole segment. Used like AmrNbEncoder, from one thread.
class SegmentedAmrEncoder {
public:
    static constexpr std::size_t kSegmentFrames = 250;  // 5 s
    static constexpr std::size_t kWarmUpFrames = 20;
    static constexpr std::size_t kLeadFrames = 25;  // 0.5 s

    // threads: the cores to use (at least one).
    SegmentedAmrEncoder(AmrNbMode mode, unsigned threads);
    ~SegmentedAmrEncoder();
    SegmentedAmrEncoder(const SegmentedAmrEncoder&) = delete;
    SegmentedAmrEncoder& operator=(const SegmentedAmrEncoder&) = delete;

    bool valid() const { return valid_; }

    // The encoded bytes that are ready, in order: the file header and the
    // frames of every segment finished so far. Waits for the oldest segment
    // when two segments per thread are under way: one ready to start as soon
    // as a thread is free keeps every core busy, and waiting holds the PCM in
    // memory to a few segments and pushes back on FFmpeg.
    std::string Encode(std::string_view pcm);

    // Encodes what is left, waits for every segment and returns the rest.
    std::string Finish();

    std::int64_t samplesEncoded() const { return samplesEncoded_; }

private:
    struct Segment {
        std::string frames;
        std::int64_t samples = 0;
    };

    std::string EncodeLead();
    void Submit(std::string pcm, std::size_t warmUpBytes, bool last);
    std::string TakeOldest();
    std::string TakeFinished(bool wait);

    AmrNbMode mode_;
    unsigned threads_;
    bool valid_ = false;
    // The first segment's encoder until that segment is submitted; it writes
    // the file header. leadBytes_: the PCM it has encoded, from pending_'s start.
    std::unique_ptr<AmrNbEncoder> lead_;
    std::size_t leadBytes_ = 0;
    std::string pending_;  // the PCM of the next segment, its warm-up first
    std::size_t warmUpBytes_ = 0;
    std::deque<std::future<Segment>> running_;
    std::int64_t samplesEncoded_ = 0;
};

}  // namespace tavoclip
