#pragma once

#include <string>

namespace tavoclip {

// Plays a wave file and returns when it has finished (or could not be
// played). A missing file plays the desktop's default completion sound.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayAndWait(const std::string& waveFile) = 0;
};

}  // namespace tavoclip
