#pragma once

#include <QLockFile>
#include <QString>

namespace tavoclip {

// Refuses a second running copy of the program. The first copy holds a lock
// file for as long as it runs; a second copy fails to take it and ends
// without touching the first. A lock left by a copy that crashed is taken
// over once its process is gone.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& lockFilePath);

    // True when this process is now the one running copy.
    bool TryAcquire();

    // The lock file the program uses for a given user's session.
    static QString DefaultPath();
    // The user's private runtime folder, where the lock and the hand-over
    // socket live (the temporary folder when there is none).
    static QString RuntimeFolder();

private:
    QLockFile lock_;
};

}  // namespace tavoclip
