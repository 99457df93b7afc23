#pragma once

namespace tavoclip {

// Whether a session bus is already there to talk to: an address in the
// environment, or the user bus socket. Without either, libdbus would try to
// start a bus of its own, which a program that only informs the desktop
// must never do.
bool SessionBusAnnounced();

}  // namespace tavoclip
