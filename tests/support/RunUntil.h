#pragma once

#include <functional>

namespace tavoclip {

// Runs the event loop until condition holds, and returns whether it does.
// The timeout only keeps a broken test from hanging; no test measures time
// with it.
bool RunUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 30000);

// Runs the events already queued, and those they queue in turn, until none
// is left; waits for nothing new.
void DrainEvents();

}  // namespace tavoclip
