#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoclip {

// The eight AMR-NB modes, slowest first; the values are the encoder's own.
enum class AmrNbMode { Mr475 = 0,
                       Mr515,
                       Mr59,
                       Mr67,
                       Mr74,
                       Mr795,
                       Mr102,
                       Mr122 };

struct AmrModeChoice {
    AmrNbMode mode = AmrNbMode::Mr122;
    int bitsPerSecond = 12200;
    bool exact = true;  // false when the asked rate was not one of the eight
};

// The mode whose rate is nearest to the asked one (4750 ... 12200).
AmrModeChoice NearestAmrMode(std::int64_t bitsPerSecond);

// Encodes 8 kHz mono 16-bit little-endian PCM into the AMR-NB storage format
// (the "#!AMR\n" file layout, which FFmpeg's amr demuxer also reads). PCM may
// arrive in pieces of any size; every 160 samples make one 20 ms frame.
class AmrNbEncoder {
public:
    // Without the header, the frames can follow those of another encoder.
    explicit AmrNbEncoder(AmrNbMode mode, bool writeHeader = true);
    ~AmrNbEncoder();
    AmrNbEncoder(const AmrNbEncoder&) = delete;
    AmrNbEncoder& operator=(const AmrNbEncoder&) = delete;

    static constexpr int kSampleRate = 8000;
    static constexpr int kFrameSamples = 160;
    static constexpr std::string_view kFileHeader = "#!AMR\n";

    bool valid() const { return state_ != nullptr; }

    // Encoded bytes for the complete frames now available; the file header
    // comes first in the first call's result.
    std::string Encode(std::string_view pcm);

    // Pads the last partial frame with silence and encodes it.
    std::string Finish();

    std::int64_t samplesEncoded() const { return samplesEncoded_; }

private:
    void EncodeFrame(const std::int16_t* samples, std::string& out);
    std::string TakeHeader();

    void* state_ = nullptr;
    AmrNbMode mode_;
    std::string pending_;
    bool headerWritten_ = false;
    std::int64_t samplesEncoded_ = 0;
};

}  // namespace tavoclip
