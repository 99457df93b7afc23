#include "SoundFilter.h"

namespace tavoclip {
namespace {

// Makes the sound begin at the output's time 0, filling any gap before the
// source's first sample (and any later hole) with silence and dropping what
// lies before the start. A sound that starts after the picture then keeps its
// offset in containers that do not carry a start time per stream (AVI, raw
// PCM for the AMR encoder, WAV), and audio-only outputs keep the lead-in.
constexpr const char* kSoundFromZero = "aresample=async=1:first_pts=0";

}  // namespace

// FFmpeg's rule for the frame length of WMA versions 1 and 2 (at most 48 kHz).
int WmaFrameSamples(AudioEncoder encoder, int sampleRate) {
    if (encoder != AudioEncoder::Wma1 && encoder != AudioEncoder::Wma2) return 0;
    if (sampleRate <= 16000) return 512;
    if (sampleRate <= 22050 || (sampleRate <= 32000 && encoder == AudioEncoder::Wma1)) return 1024;
    return 2048;
}

// The WMA decoder yields nothing for the first frame after the encoder's own
// priming, so the first frame of the sound would never be heard and a sound
// starting at 0 would start a frame late. One frame of silence is put before
// the sound, timed just before 0 (adelay adds it, asetpts moves everything
// back by as much): the decoder drops the silence and the sound plays from 0
// with every sample at its own time. The chain runs at the output rate, which
// aresample, the first filter, converts to.
std::string SoundFilter(AudioEncoder encoder, int sampleRate) {
    const int lead = WmaFrameSamples(encoder, sampleRate);
    if (lead == 0) return kSoundFromZero;
    const std::string samples = std::to_string(lead);
    return std::string(kSoundFromZero) + ",adelay=" + samples + "S:all=1,asetpts=PTS-" + samples + "/SR/TB";
}

}  // namespace tavoclip
