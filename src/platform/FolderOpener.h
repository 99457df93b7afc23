#pragma once

#include <string>

namespace tavoclip {

// Shows a folder in the desktop's file manager. The result tells whether the
// desktop accepted the request; callers that must go on regardless ignore it.
class FolderOpener {
public:
    virtual ~FolderOpener() = default;
    virtual bool OpenFolder(const std::string& path) = 0;
};

}  // namespace tavoclip
