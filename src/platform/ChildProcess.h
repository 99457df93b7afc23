#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tavoclip {

// A started child whose standard output and standard error arrive merged in
// one pipe. Nothing here blocks: the caller polls and waits on its own terms.
// Destroying the object closes the program's ends of the pipe; it never stops
// the child.
class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    // Bytes that can be read at once without blocking.
    virtual std::int64_t BytesWaiting() = 0;
    // At most maxBytes of what waits; nullopt when the read failed.
    virtual std::optional<std::string> Read(std::size_t maxBytes) = 0;
    // True once the child has ended and everything it wrote is waiting here.
    virtual bool HasEnded() = 0;
    // The child's exit status once it has ended; -1 when it was killed or
    // crashed.
    virtual int exitStatus() = 0;
    // handler runs, from the event loop, whenever new output has arrived
    // or the child has ended, so a caller can sleep until then instead of
    // polling on a clock. An empty handler stops the calls. Children that
    // cannot tell keep the default, which never calls.
    virtual void SetActivityHandler(std::function<void()> /*handler*/) {}
    // Asks the child to end (SIGTERM where there are signals, so it can
    // remove what it was writing); returns at once. The end is seen through
    // HasEnded as usual.
    virtual void Terminate() = 0;
};

}  // namespace tavoclip
