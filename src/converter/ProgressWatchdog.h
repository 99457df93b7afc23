#pragma once

#include <chrono>
#include <functional>
#include <string>

#include <QElapsedTimer>
#include <QTimer>

namespace tavoclip {

// Notices a conversion that has stopped getting anywhere: an FFmpeg that
// hangs on a source or a device, or that writes without end and never
// advances. The owner calls Advanced() whenever the conversion shows any
// progress (more frames, more bytes written, a later output time, more
// decoded sound); when none has come for the whole limit, onStalled is
// called once, from the event loop.
//
// The limit is generous (kDefaultLimit): a slow encode of a long 4K film
// advances its frames many times a minute, and only an FFmpeg that has done
// nothing at all for that long is taken as stuck. The environment variable
// TAVOCLIP_CONV_STALL_SECONDS sets another limit in whole seconds.
class ProgressWatchdog {
public:
    static constexpr std::chrono::seconds kDefaultLimit{std::chrono::minutes(10)};

    ProgressWatchdog(std::chrono::milliseconds limit, std::function<void()> onStalled);

    // kDefaultLimit, or TAVOCLIP_CONV_STALL_SECONDS when it holds a whole
    // number of seconds above 0.
    static std::chrono::milliseconds LimitFromEnvironment();

    void Start();
    void Advanced() { sinceProgress_.restart(); }
    void Stop() { check_.stop(); }

    // "10 minutes", "90 s": the limit as the reason line gives it.
    std::string LimitText() const;

private:
    void Check();

    std::chrono::milliseconds limit_;
    std::function<void()> onStalled_;
    QElapsedTimer sinceProgress_;
    QTimer check_;
};

}  // namespace tavoclip
