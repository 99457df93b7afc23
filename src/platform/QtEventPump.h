#pragma once

#include "EventPump.h"

namespace tavoclip {

// Runs the events pending on the calling thread through Qt's event dispatcher.
class QtEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override;
};

}  // namespace tavoclip
