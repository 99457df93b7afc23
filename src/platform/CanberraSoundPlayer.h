#pragma once

#include <chrono>

#include "SoundPlayer.h"

namespace tavoclip {

// Plays sounds through libcanberra (the desktop's sound theme and server).
// Returns when the sound has finished, when it could not be played (for
// instance when no sound server runs) or after maxWait, whichever is first.
class CanberraSoundPlayer final : public SoundPlayer {
public:
    explicit CanberraSoundPlayer(std::chrono::milliseconds maxWait = std::chrono::seconds(30));

    void PlayAndWait(const std::string& waveFile) override;

private:
    std::chrono::milliseconds maxWait_;
};

}  // namespace tavoclip
