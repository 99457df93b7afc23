#pragma once

#include <QString>

namespace tavoclip {

// The program's own scratch folder for the user running it. It is never a
// folder that other users share: inside the user's runtime folder when that
// folder is private ($XDG_RUNTIME_DIR/tavoclip), otherwise a per-user folder
// under the system temporary folder (<temp>/tavoclip-<uid>). Anything done to
// fixed names in it therefore only ever touches this user's files.
class PrivateTempFolder {
public:
    // The folder chosen from these two places. It need not exist yet. Empty
    // when it exists but cannot be trusted (a symbolic link, another owner,
    // open to other users): then nothing may be done inside it.
    static QString Locate(const QString& runtimeFolder, const QString& tempFolder);

    // Locate() with $XDG_RUNTIME_DIR and the system temporary folder.
    static QString ForCurrentUser();

    // True for a real directory, not a symbolic link, owned by this process's
    // user and closed to group and others.
    static bool IsPrivate(const QString& folder);
};

}  // namespace tavoclip
