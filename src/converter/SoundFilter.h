#pragma once

#include <string>

#include "OutputContainer.h"

namespace tavoclip {

// The samples in one frame of FFmpeg's WMA encoder at this output rate
// (version 1 for Wma1, 2 for Wma2); 0 for any other encoder.
int WmaFrameSamples(AudioEncoder encoder, int sampleRate);

// The FFmpeg audio filter chain for a sound encoded by `encoder` at
// `sampleRate` Hz: the sound begins at the output's time 0 (see the .cpp),
// and a WMA sound gets the frame of silence before it that its decoder drops.
std::string SoundFilter(AudioEncoder encoder, int sampleRate);

}  // namespace tavoclip
