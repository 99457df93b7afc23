#pragma once

#include <QStringList>

#include <functional>

namespace tavoclip {

// Deletes the two fixed scratch files when the program ends. They are looked
// for only in the program's private folder (PrivateTempFolder), never in a
// folder other users share, where those names may belong to someone else. Each
// file gets a bounded number of attempts, with the window's events let run
// between them, so a file that cannot be deleted (read-only folder, held by
// another process) never keeps the program from ending.
class TempFileCleanup {
public:
    static constexpr int kAttemptsPerFile = 10;

    TempFileCleanup(QStringList paths, std::function<void()> betweenAttempts);

    // The files still present afterwards (empty when all are gone).
    QStringList Run() const;

    // tmpfile.wav and tmpfile1.mp3 in privateFolder; none when it is empty.
    static QStringList PathsIn(const QString& privateFolder);
    // PathsIn() the private folder of the user running the program.
    static QStringList DefaultPaths();

private:
    QStringList paths_;
    std::function<void()> betweenAttempts_;
};

}  // namespace tavoclip
