#pragma once

#include <string>

namespace tavoclip {

// How long a batch still needs, from how long it has run and the share of
// the whole it has done: the pace so far, carried on to the end. It is fed
// plain numbers (seconds from any clock), so it costs nothing per file and
// needs no process of its own. The first seconds of a batch say too little
// (a converter's start-up, a probe) and give no estimate.
class TimeLeftEstimate {
public:
    // No estimate before this many seconds have passed or before anything
    // is done.
    static constexpr double kWarmUpSeconds = 5.0;

    // elapsedSeconds since the batch started; shareDone 0..1 of the whole.
    void Update(double elapsedSeconds, double shareDone);
    // Seconds left, or a negative number while there is no estimate yet.
    double SecondsLeft() const;
    // Whole minutes left, rounded; 0 under a minute, -1 while there is no
    // estimate. The words are the window's and the terminal's to choose,
    // in the user's language.
    long MinutesLeft() const;

private:
    double elapsed_ = 0;
    double share_ = 0;
};

}  // namespace tavoclip
