#pragma once

#include <QStringList>

#include <functional>

namespace tavoclip {

// Deletes the converter's fixed scratch files when the program ends. Each
// file gets a bounded number of attempts, with the window's events let run
// between them, so a file that cannot be deleted (read-only folder, held by
// another process) never keeps the program from ending.
class TempFileCleanup {
public:
    static constexpr int kAttemptsPerFile = 10;

    TempFileCleanup(QStringList paths, std::function<void()> betweenAttempts);

    // The files still present afterwards (empty when all are gone).
    QStringList Run() const;

    // /tmp/tmpfile.wav and /tmp/tmpfile1.mp3.
    static QStringList DefaultPaths();

private:
    QStringList paths_;
    std::function<void()> betweenAttempts_;
};

}  // namespace tavoclip
