#pragma once

#include <functional>
#include <string>
#include <string_view>

class QEventLoop;

namespace tavoclip {

// Waits a number of milliseconds on the user-interface thread without
// freezing it: the thread sleeps in a local event loop until a one-shot timer
// fires, and every window event that arrives meanwhile is handled inside
// Wait. Nothing spins.
class clsWaitableTimer {
public:
    // executableName: the program's file name; it only names the timer.
    explicit clsWaitableTimer(std::string executableName);

    // Returns no earlier than milliSeconds after the call. Zero or a negative
    // count lets the pending events run once and returns at once. Also
    // returns (after sleeping the rest of the time) when the application is
    // quitting and its event loops no longer run.
    void Wait(int milliSeconds);

    // Like Wait, but also ends as soon as ready() holds. ready() is asked
    // before every sleep and again whenever Wake() is called, so connect Wake
    // to whatever can make it true. Returns true when the whole time ran out,
    // false when ready() ended the wait early. Never spins: between two
    // Wake calls the thread sleeps.
    bool WaitUntil(int milliSeconds, const std::function<bool()>& ready);
    // Makes a WaitUntil in progress look at its condition again; does nothing
    // when no wait is in progress.
    void Wake();

    bool waiting() const { return waiting_; }
    // The name of the last wait's timer: kept for diagnostics and for the
    // platforms whose timers are named objects.
    const std::string& timerName() const { return timerName_; }

    // The executable name without its extension, "Timer", then the minutes
    // and seconds of the local time as "MMSS": ("tavoclip", 5, 9) gives
    // "tavoclipTimer0509".
    static std::string BuildTimerName(std::string_view executableName, int minutes, int seconds);

private:
    void SleepInEventLoop(int milliSeconds);
    bool SleepUntilReady(int milliSeconds, const std::function<bool()>& ready);

    std::string executableName_;
    std::string timerName_;
    bool waiting_ = false;
    QEventLoop* loop_ = nullptr;  // the local loop of a WaitUntil in progress
};

}  // namespace tavoclip
