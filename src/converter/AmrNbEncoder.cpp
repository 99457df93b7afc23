#include "AmrNbEncoder.h"

#include <array>
#include <cstdlib>

#include <opencore-amrnb/interf_enc.h>

namespace tavoclip {
namespace {

constexpr std::array<int, 8> kModeRates{4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
// Largest encoded frame (12.2 kbit/s: 1 header byte and 31 bytes of speech).
constexpr int kMaxFrameBytes = 32;
constexpr std::size_t kFrameBytes = AmrNbEncoder::kFrameSamples * 2;

}  // namespace

AmrModeChoice NearestAmrMode(std::int64_t bitsPerSecond)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < kModeRates.size(); ++i) {
        if (std::llabs(kModeRates[i] - bitsPerSecond) < std::llabs(kModeRates[best] - bitsPerSecond)) best = i;
    }
    return {static_cast<AmrNbMode>(best), kModeRates[best], kModeRates[best] == bitsPerSecond};
}

AmrNbEncoder::AmrNbEncoder(AmrNbMode mode, bool writeHeader)
    : state_(Encoder_Interface_init(0)), mode_(mode), headerWritten_(!writeHeader) {}

AmrNbEncoder::~AmrNbEncoder()
{
    if (state_) Encoder_Interface_exit(state_);
}

std::string AmrNbEncoder::TakeHeader()
{
    if (headerWritten_) return {};
    headerWritten_ = true;
    return std::string(kFileHeader);
}

std::string AmrNbEncoder::Encode(std::string_view pcm)
{
    std::string out = TakeHeader();
    pending_.append(pcm);
    std::array<std::int16_t, kFrameSamples> samples{};
    std::size_t used = 0;
    for (; used + kFrameBytes <= pending_.size(); used += kFrameBytes) {
        // Little-endian bytes, read explicitly so the host's order never matters.
        for (int i = 0; i < kFrameSamples; ++i) {
            const auto low = static_cast<unsigned char>(pending_[used + 2 * i]);
            const auto high = static_cast<unsigned char>(pending_[used + 2 * i + 1]);
            samples[i] = static_cast<std::int16_t>(low | (high << 8));
        }
        EncodeFrame(samples.data(), out);
    }
    pending_.erase(0, used);
    return out;
}

std::string AmrNbEncoder::Finish()
{
    std::string out = TakeHeader();
    if (pending_.empty()) return out;
    const std::size_t realSamples = pending_.size() / 2;
    pending_.resize(kFrameBytes, '\0');
    out += Encode({});
    samplesEncoded_ -= kFrameSamples - static_cast<std::int64_t>(realSamples);
    pending_.clear();
    return out;
}

void AmrNbEncoder::EncodeFrame(const std::int16_t* samples, std::string& out)
{
    std::array<unsigned char, kMaxFrameBytes> frame{};
    const int size = Encoder_Interface_Encode(state_, static_cast<Mode>(mode_), samples, frame.data(), 0);
    if (size > 0) out.append(reinterpret_cast<const char*>(frame.data()), static_cast<std::size_t>(size));
    samplesEncoded_ += kFrameSamples;
}

}  // namespace tavoclip
