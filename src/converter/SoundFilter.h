#pragma once

#include <string>

#include "OutputContainer.h"

namespace tavoclip {

// The samples in one frame of FFmpeg's WMA encoder at this output rate
// (version 1 for Wma1, 2 for Wma2); 0 for any other encoder.
int WmaFrameSamples(AudioEncoder encoder, int sampleRate);

// The samples of priming FFmpeg's encoder puts before the sound, at the
// output rate; a container without an edit list (AVI) gets them played.
int PrimingSamples(AudioEncoder encoder);

// The FFmpeg audio filter chain for a sound of `sourceRate` Hz encoded by
// `encoder` at `sampleRate` Hz: the sound begins at the output's time 0 (see
// the .cpp), a WMA sound gets the frame of silence before it that its decoder
// drops, and where the container gets the encoder's priming played
// (`primingPlayed`) as much sound is left out at the start.
std::string SoundFilter(AudioEncoder encoder, int sampleRate, int sourceRate, bool primingPlayed);

}  // namespace tavoclip
