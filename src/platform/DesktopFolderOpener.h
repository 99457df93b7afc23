#pragma once

#include "FolderOpener.h"

namespace tavoclip {

// Opens folders with the desktop's file manager through QDesktopServices;
// anything but an existing folder is refused without asking the desktop.
class DesktopFolderOpener final : public FolderOpener {
public:
    bool OpenFolder(const std::string& path) override;
};

}  // namespace tavoclip
