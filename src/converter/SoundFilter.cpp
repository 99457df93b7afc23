#include "SoundFilter.h"

#include <cmath>

namespace tavoclip {

// FFmpeg's rule for the frame length of WMA versions 1 and 2 (at most 48 kHz).
int WmaFrameSamples(AudioEncoder encoder, int sampleRate)
{
    if (encoder != AudioEncoder::Wma1 && encoder != AudioEncoder::Wma2) return 0;
    if (sampleRate <= 16000) return 512;
    if (sampleRate <= 22050 || (sampleRate <= 32000 && encoder == AudioEncoder::Wma1)) return 1024;
    return 2048;
}

// LAME's own delay and its decoder's (576 + 529), which FFmpeg's encoder
// puts before the first sample of the sound.
int PrimingSamples(AudioEncoder encoder) { return encoder == AudioEncoder::Lame ? 1105 : 0; }

// The sound begins at the output's time 0: any gap before the source's first
// sample (and any later hole) is filled with silence, and what lies before the
// start is dropped. A sound that starts after the picture then keeps its
// offset in containers that do not carry a start time per stream (AVI, raw
// PCM for the AMR encoder, WAV), and audio-only outputs keep the lead-in. The
// filter costs about 1% of an MP3 encoding and nothing measurable elsewhere.
//
// The WMA decoder yields nothing for the first frame after the encoder's own
// priming, so the first frame of the sound would never be heard and a sound
// starting at 0 would start a frame late. The sound therefore begins one frame
// before 0, with silence: the decoder drops the silence and the sound plays
// from 0 with every sample at its own time. aresample pads the silence at
// hardly any cost (adelay and asetpts would cost the whole conversion 2-3%
// more).
//
// An AVI has no edit list to tell a player to skip the MP3 encoder's priming,
// so the sound would be heard that much late: there the sound starts as much
// past 0 instead, and what lies before is left out (25 ms at 44.1 kHz).
//
// aresample counts first_pts in samples at the rate of the sound it is given
// (the source's), whatever rate it converts to.
std::string SoundFilter(AudioEncoder encoder, int sampleRate, int sourceRate, bool primingPlayed)
{
    const int start = (primingPlayed ? PrimingSamples(encoder) : 0) - WmaFrameSamples(encoder, sampleRate);
    const long long atSourceRate =
        sampleRate > 0 && sourceRate > 0 ? std::llround(static_cast<double>(start) * sourceRate / sampleRate) : start;
    return "aresample=async=1:first_pts=" + std::to_string(atSourceRate);
}

}  // namespace tavoclip
