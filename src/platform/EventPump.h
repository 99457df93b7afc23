#pragma once

namespace tavoclip {

// Lets the pending window events run once, so that long work on the one
// user-interface thread keeps the window responsive.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace tavoclip
