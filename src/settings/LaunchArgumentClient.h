#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tavoclip {

// A second launch's end of the hand-over: gives its paths to the running
// copy's server and returns. It blocks (the second copy has no window and no
// event loop) for at most the time given.
class LaunchArgumentClient {
public:
    // The running copy may hold the lock a moment before it listens, so a
    // refused connection is tried again until the time is up. False when
    // the paths could not be handed over.
    static bool HandOver(const QString& socketPath, const QList<QByteArray>& paths, int timeoutMilliseconds);

    static constexpr int kDefaultTimeoutMilliseconds = 5'000;
};

}  // namespace tavoclip
